// PLACEHOLDER until enumeration is built.
#include "display/VideoDevices.h"
static VideoDeviceEntry g_devices[kVideoDeviceCapacity];
int EnumerateVideoDevices(VideoDeviceConfirm) { return kEnumNoDevice; }
VideoDeviceEntry* GetVideoDevices() { return g_devices; }
DWORD GetVideoDeviceCount() { return 0; }
void ReleaseVideoDevices() {}
int AcceptAllDevices(DDCAPS*, D3DDEVICEDESC7*) { return 0; }
