// PLACEHOLDER until the Option page is built.
#pragma once
class CSetupCMD {};
