// Each language the sheet speaks: Setup's own texts, whole messages so that each reads as its
// language writes it (only {file} is filled in), then the table of languages.
#include "app/SheetLanguages.h"

#include "ui/resource.h"

namespace {

const NoticeTexts kKorean = {
    // unreadable
    L"Setup이 {file}에 저장된 설정을 읽지 못했습니다. 다른 프로그램이 파일을 사용 "
    L"중이거나 파일에 접근할 권한이 없을 수 있습니다. 지금 표시된 설정은 게임의 "
    L"기본값입니다.",
    // unreadableOnSave
    L"저장하면 Setup이 파일을 다시 읽고 직접 추가한 줄을 그대로 유지합니다. 그때도 읽을 "
    L"수 없으면 파일은 바꾸지 않습니다.",
    // precompiled
    L"{file}에 저장된 설정은 컴파일된 Lua 코드입니다. Setup은 저장된 설정을 일반 "
    L"텍스트로만 읽으므로 이 설정은 사용하지 않았습니다. 지금 표시된 설정은 게임의 "
    L"기본값입니다.",
    // precompiledOnSave
    L"저장하면 이 파일은 현재 설정을 일반 텍스트로 적은 파일로 바뀝니다.",
    // unfitUnicode
    L"{file}에 저장된 설정은 시스템 코드 페이지로 표시할 수 없는 문자가 들어 있는 "
    L"유니코드 텍스트이므로 게임도 Setup도 읽을 수 없습니다. 지금 표시된 설정은 게임의 "
    L"기본값입니다.",
    // unfitUnicodeOnSave
    L"저장해도 이 파일은 바뀌지 않습니다.",
    // hiddenText
    L"{file}에는 파일 끝 표시(Ctrl+Z) 뒤에 텍스트가 있습니다. 게임은 이 표시에서 읽기를 "
    L"멈추므로 그 텍스트는 아무 효과가 없으며, 저장하면 남지 않습니다.",
    // nulInLines
    L"{file}에 정전 등으로 생길 수 있는 NUL 바이트가 들어 있습니다. 저장하면 직접 추가한 "
    L"각 줄은 첫 NUL 바이트 앞까지만 남습니다.",
    // saveFailed
    L"다음 위치에 설정을 저장하지 못했습니다:",
    // stillUnreadable
    L"{file}: 여전히 읽을 수 없어서 바꾸지 않았습니다.",
    // stillUnfitUnicode
    L"{file}: 시스템 코드 페이지로 표시할 수 없는 문자가 들어 있어서 바꾸지 않았습니다.",
    // wouldNotLoad
    L"{file}: Setup이 전에 적은 줄을 빼면 직접 추가한 줄을 더 이상 불러올 수 없게 되므로 "
    L"바꾸지 않았습니다. 직접 수정해 주세요.",
    // notWritten
    L"{file}: 새 파일을 쓰지 못했습니다(디스크가 가득 찼는지 확인하세요). 이전 파일은 "
    L"그대로입니다.",
    // leftAsWell
    L"{file}: 이 파일도 바꾸지 않았습니다.",
    // savedTooLarge
    L"{file}의 크기가 8MB를 넘습니다. 어떤 설정 파일보다도 훨씬 크기 때문에 Setup이 "
    L"읽지 않았습니다. 지금 표시된 설정은 게임의 기본값이며, 저장해도 이 파일은 바뀌지 "
    L"않습니다.",
    // tooLarge
    L"다음 게임 파일은 크기가 8MB를 넘어 게임의 어떤 파일보다도 훨씬 크기 때문에 Setup이 "
    L"읽지 않았습니다:",
    // cutShort
    L"다음 파일은 읽는 데 시간이 너무 오래 걸리거나 메모리가 너무 많이 필요해서 Setup이 "
    L"읽기를 멈추었고, 그 내용은 사용하지 않았습니다:",
    // cutShortOnSave
    L"지금 표시된 설정의 일부 또는 전부는 {file}에 저장된 설정이 아니라 게임의 "
    L"기본값입니다. 저장하면 이 파일은 표시된 설정으로 바뀌며, 직접 추가한 줄은 그대로 "
    L"유지됩니다.",
    // stillTooLarge
    L"{file}: 크기가 8MB를 넘어서 바꾸지 않았습니다.",
    // outOfMemory
    L"Setup이 설정을 읽는 중에 메모리가 부족하여 종료합니다. 아무것도 저장하지 "
    L"않았습니다.",
    // saveOutOfMemory
    L"Setup이 저장하는 중에 메모리가 부족하여 설정을 저장하지 못했습니다. 설정 파일은 "
    L"이전 그대로입니다.",
    // sheetFailed
    L"Setup 창을 표시하지 못했거나 시스템 오류로 창이 닫혔습니다. 아무것도 저장하지 "
    L"않았습니다.",
};

const NoticeTexts kEnglish = {
    // unreadable
    L"Setup could not read your saved settings in {file}: another program may be using "
    L"the file, or you may not have access to it. The settings shown are the game's "
    L"defaults.",
    // unreadableOnSave
    L"If you save, Setup reads the file again and keeps your own lines in it. If it still "
    L"cannot be read then, it is left unchanged.",
    // precompiled
    L"Your saved settings in {file} are compiled Lua code. Setup reads saved settings "
    L"only as plain text, so they were not used. The settings shown are the game's "
    L"defaults.",
    // precompiledOnSave
    L"If you save, the file is replaced with your settings as plain text.",
    // unfitUnicode
    L"Your saved settings in {file} are Unicode text with characters that the system's "
    L"code page cannot show, so neither the game nor Setup can read them. The settings "
    L"shown are the game's defaults.",
    // unfitUnicodeOnSave
    L"If you save, that file is left unchanged.",
    // hiddenText
    L"{file} has text after an end-of-file mark (Ctrl+Z). The game stops reading at that "
    L"mark, so that text has no effect, and if you save, it is not kept.",
    // nulInLines
    L"{file} contains NUL bytes, as a power failure can leave behind. If you save, each "
    L"of your own lines in it is kept only up to its first NUL byte.",
    // saveFailed
    L"The settings could not be saved to:",
    // stillUnreadable
    L"{file}: it still could not be read, so it was left unchanged.",
    // stillUnfitUnicode
    L"{file}: it holds characters that the system's code page cannot show, so it was left "
    L"unchanged.",
    // wouldNotLoad
    L"{file}: without Setup's old lines your own lines in it would no longer load, so it "
    L"was left unchanged; please edit it by hand.",
    // notWritten
    L"{file}: the new file could not be written (is the disk full?); the old file is "
    L"unchanged.",
    // leftAsWell
    L"{file}: it was left unchanged as well.",
    // savedTooLarge
    L"{file} is larger than 8 MB, far larger than any settings file, so Setup did not read "
    L"it. The settings shown are the game's defaults. If you save, that file is left "
    L"unchanged.",
    // tooLarge
    L"Setup did not read these files of the game: each is larger than 8 MB, far larger than "
    L"any of its files:",
    // cutShort
    L"Setup stopped reading these files because they took too long or needed too much "
    L"memory, and did not use what they hold:",
    // cutShortOnSave
    L"Some or all of the settings shown are the game's defaults rather than those saved in "
    L"{file}. If you save, that file is replaced with the settings shown; your own lines "
    L"in it are kept.",
    // stillTooLarge
    L"{file}: it is larger than 8 MB, so it was left unchanged.",
    // outOfMemory
    L"Setup ran out of memory while reading the settings and has to stop. Nothing was "
    L"saved.",
    // saveOutOfMemory
    L"Setup ran out of memory while saving, so the settings were not saved. The settings "
    L"files are as they were.",
    // sheetFailed
    L"Setup could not show its window, or the window closed because of a system error. "
    L"Nothing was saved.",
};

const NoticeTexts kSimplifiedChinese = {
    // unreadable
    L"Setup 无法读取 {file} 中保存的设置：可能有其他程序正在使用该文件，"
    L"或者您没有访问该文件的权限。当前显示的是游戏的默认设置。",
    // unreadableOnSave
    L"如果保存，Setup 会重新读取该文件，并保留您自己添加的行。如果届时仍无法读取，"
    L"该文件将保持不变。",
    // precompiled
    L"{file} 中保存的设置是编译后的 Lua 代码。Setup 只以纯文本读取保存的设置，"
    L"因此未使用这些设置。当前显示的是游戏的默认设置。",
    // precompiledOnSave
    L"如果保存，该文件将被替换为以纯文本写入的当前设置。",
    // unfitUnicode
    L"{file} 中保存的设置是 Unicode 文本，含有系统代码页无法显示的字符，因此游戏和 Setup "
    L"都无法读取。当前显示的是游戏的默认设置。",
    // unfitUnicodeOnSave
    L"即使保存，该文件也将保持不变。",
    // hiddenText
    L"{file} 在文件结束标记 (Ctrl+Z) 之后还有文本。游戏读到该标记即停止，"
    L"因此这些文本不起作用；保存时也不会保留。",
    // nulInLines
    L"{file} 含有 NUL 字节，这可能是断电造成的。如果保存，"
    L"您自己添加的每一行只保留到其第一个 NUL 字节之前。",
    // saveFailed
    L"无法将设置保存到以下位置：",
    // stillUnreadable
    L"{file}：仍然无法读取，因此未作更改。",
    // stillUnfitUnicode
    L"{file}：含有系统代码页无法显示的字符，因此未作更改。",
    // wouldNotLoad
    L"{file}：如果去掉 Setup 以前写入的行，您自己添加的行将无法再加载，因此未作更改；"
    L"请手动编辑该文件。",
    // notWritten
    L"{file}：无法写入新文件（磁盘是否已满？）；旧文件保持不变。",
    // leftAsWell
    L"{file}：此文件也未作更改。",
    // savedTooLarge
    L"{file} 大于 8 MB，远大于任何设置文件，因此 Setup 未读取该文件。"
    L"当前显示的是游戏的默认设置。即使保存，该文件也将保持不变。",
    // tooLarge
    L"以下游戏文件大于 8 MB，远大于游戏的任何文件，因此 Setup 未读取它们：",
    // cutShort
    L"读取以下文件耗时过长或需要过多内存，因此 Setup 停止了读取，未使用其中的内容：",
    // cutShortOnSave
    L"当前显示的部分或全部设置是游戏的默认设置，而不是 {file} 中保存的设置。"
    L"如果保存，该文件将被替换为当前显示的设置，您自己添加的行将保留。",
    // stillTooLarge
    L"{file}：大于 8 MB，因此未作更改。",
    // outOfMemory
    L"Setup 在读取设置时内存不足，必须退出。未保存任何内容。",
    // saveOutOfMemory
    L"Setup 在保存时内存不足，因此未能保存设置。设置文件保持原样。",
    // sheetFailed
    L"无法显示 Setup 窗口，或窗口因系统错误而关闭。未保存任何内容。",
};

const NoticeTexts kTraditionalChinese = {
    // unreadable
    L"Setup 無法讀取 {file} 中儲存的設定：可能有其他程式正在使用該檔案，"
    L"或者您沒有存取該檔案的權限。目前顯示的是遊戲的預設設定。",
    // unreadableOnSave
    L"如果儲存，Setup 會重新讀取該檔案，並保留您自行加入的行。如果屆時仍無法讀取，"
    L"該檔案將維持不變。",
    // precompiled
    L"{file} 中儲存的設定是編譯過的 Lua 程式碼。Setup 只以純文字讀取儲存的設定，"
    L"因此未使用這些設定。目前顯示的是遊戲的預設設定。",
    // precompiledOnSave
    L"如果儲存，該檔案將以純文字寫入的目前設定取代。",
    // unfitUnicode
    L"{file} 中儲存的設定是 Unicode 文字，含有系統字碼頁無法顯示的字元，因此遊戲和 Setup "
    L"都無法讀取。目前顯示的是遊戲的預設設定。",
    // unfitUnicodeOnSave
    L"即使儲存，該檔案也將維持不變。",
    // hiddenText
    L"{file} 在檔案結尾標記 (Ctrl+Z) 之後還有文字。遊戲讀到該標記即停止，"
    L"因此這些文字不會生效；儲存時也不會保留。",
    // nulInLines
    L"{file} 含有 NUL 位元組，這可能是斷電所造成。如果儲存，"
    L"您自行加入的每一行只會保留到第一個 NUL 位元組之前。",
    // saveFailed
    L"無法將設定儲存到下列位置：",
    // stillUnreadable
    L"{file}：仍然無法讀取，因此未變更。",
    // stillUnfitUnicode
    L"{file}：含有系統字碼頁無法顯示的字元，因此未變更。",
    // wouldNotLoad
    L"{file}：如果移除 Setup 先前寫入的行，您自行加入的行將無法再載入，因此未變更；"
    L"請手動編輯該檔案。",
    // notWritten
    L"{file}：無法寫入新檔案（磁碟是否已滿？）；舊檔案維持不變。",
    // leftAsWell
    L"{file}：此檔案也未變更。",
    // savedTooLarge
    L"{file} 大於 8 MB，遠大於任何設定檔，因此 Setup 未讀取該檔案。"
    L"目前顯示的是遊戲的預設設定。即使儲存，該檔案也將維持不變。",
    // tooLarge
    L"下列遊戲檔案大於 8 MB，遠大於遊戲的任何檔案，因此 Setup 未讀取它們：",
    // cutShort
    L"讀取下列檔案耗時過長或需要過多記憶體，因此 Setup 停止讀取，未使用其中的內容：",
    // cutShortOnSave
    L"目前顯示的部分或全部設定是遊戲的預設設定，而不是 {file} 中儲存的設定。"
    L"如果儲存，該檔案將以目前顯示的設定取代，您自行加入的行將會保留。",
    // stillTooLarge
    L"{file}：大於 8 MB，因此未變更。",
    // outOfMemory
    L"Setup 在讀取設定時記憶體不足，必須結束。未儲存任何內容。",
    // saveOutOfMemory
    L"Setup 在儲存時記憶體不足，因此無法儲存設定。設定檔維持原狀。",
    // sheetFailed
    L"無法顯示 Setup 視窗，或視窗因系統錯誤而關閉。未儲存任何內容。",
};

const NoticeTexts kPortuguese = {
    // unreadable
    L"O Setup não conseguiu ler as suas configurações salvas em {file}: outro programa "
    L"pode estar usando o arquivo, ou você pode não ter acesso a ele. As configurações "
    L"exibidas são as padrão do jogo.",
    // unreadableOnSave
    L"Se você salvar, o Setup lerá o arquivo novamente e manterá as linhas que você mesmo "
    L"escreveu nele. Se ainda assim não for possível lê-lo, ele não será alterado.",
    // precompiled
    L"As suas configurações salvas em {file} são código Lua compilado. O Setup lê "
    L"configurações salvas apenas como texto simples, por isso elas não foram usadas. As "
    L"configurações exibidas são as padrão do jogo.",
    // precompiledOnSave
    L"Se você salvar, o arquivo será substituído pelas suas configurações em texto "
    L"simples.",
    // unfitUnicode
    L"As suas configurações salvas em {file} são texto Unicode com caracteres que a "
    L"página de código do sistema não consegue exibir, por isso nem o jogo nem o Setup "
    L"conseguem lê-las. As configurações exibidas são as padrão do jogo.",
    // unfitUnicodeOnSave
    L"Se você salvar, esse arquivo não será alterado.",
    // hiddenText
    L"{file} tem texto depois de uma marca de fim de arquivo (Ctrl+Z). O jogo para de ler "
    L"nessa marca, então esse texto não tem efeito e, se você salvar, ele não será "
    L"mantido.",
    // nulInLines
    L"{file} contém bytes NUL, como uma queda de energia pode deixar. Se você salvar, "
    L"cada uma das linhas que você mesmo escreveu nele será mantida somente até o "
    L"primeiro byte NUL.",
    // saveFailed
    L"Não foi possível salvar as configurações em:",
    // stillUnreadable
    L"{file}: ainda não foi possível lê-lo, por isso ele não foi alterado.",
    // stillUnfitUnicode
    L"{file}: ele contém caracteres que a página de código do sistema não consegue "
    L"exibir, por isso não foi alterado.",
    // wouldNotLoad
    L"{file}: sem as linhas antigas do Setup, as linhas que você mesmo escreveu nele "
    L"deixariam de carregar, por isso ele não foi alterado; edite-o manualmente.",
    // notWritten
    L"{file}: não foi possível gravar o novo arquivo (o disco está cheio?); o arquivo "
    L"antigo não foi alterado.",
    // leftAsWell
    L"{file}: ele também não foi alterado.",
    // savedTooLarge
    L"{file} tem mais de 8 MB, muito mais do que qualquer arquivo de configurações, por "
    L"isso o Setup não o leu. As configurações exibidas são as padrão do jogo. Se você "
    L"salvar, esse arquivo não será alterado.",
    // tooLarge
    L"O Setup não leu estes arquivos do jogo: cada um tem mais de 8 MB, muito mais do que "
    L"qualquer arquivo do jogo:",
    // cutShort
    L"O Setup parou de ler estes arquivos porque a leitura demorou demais ou exigiu memória "
    L"demais, e o que eles contêm não foi usado:",
    // cutShortOnSave
    L"Algumas ou todas as configurações exibidas são as padrão do jogo, e não as salvas em "
    L"{file}. Se você salvar, esse arquivo será substituído pelas configurações exibidas; "
    L"as linhas que você mesmo escreveu nele serão mantidas.",
    // stillTooLarge
    L"{file}: ele tem mais de 8 MB, por isso não foi alterado.",
    // outOfMemory
    L"O Setup ficou sem memória ao ler as configurações e precisa ser encerrado. Nada foi "
    L"salvo.",
    // saveOutOfMemory
    L"O Setup ficou sem memória ao salvar, por isso as configurações não foram salvas. Os "
    L"arquivos de configurações continuam como estavam.",
    // sheetFailed
    L"Não foi possível exibir a janela do Setup, ou ela foi fechada por um erro do sistema. "
    L"Nada foi salvo.",
};

const NoticeTexts kRussian = {
    // unreadable
    L"Программе Setup не удалось прочитать сохранённые настройки в {file}: возможно, файл "
    L"используется другой программой или у вас нет к нему доступа. Показаны настройки "
    L"игры по умолчанию.",
    // unreadableOnSave
    L"При сохранении программа Setup прочитает файл ещё раз и оставит в нём ваши "
    L"собственные строки. Если прочитать его снова не удастся, файл останется без "
    L"изменений.",
    // precompiled
    L"Сохранённые настройки в {file} — это скомпилированный код Lua. Программа Setup "
    L"читает сохранённые настройки только как обычный текст, поэтому они не использованы. "
    L"Показаны настройки игры по умолчанию.",
    // precompiledOnSave
    L"При сохранении файл будет заменён вашими настройками в виде обычного текста.",
    // unfitUnicode
    L"Сохранённые настройки в {file} — это текст Unicode с символами, которые не может "
    L"отобразить кодовая страница системы, поэтому ни игра, ни программа Setup не могут "
    L"их прочитать. Показаны настройки игры по умолчанию.",
    // unfitUnicodeOnSave
    L"При сохранении этот файл останется без изменений.",
    // hiddenText
    L"В {file} есть текст после метки конца файла (Ctrl+Z). Игра прекращает чтение на "
    L"этой метке, поэтому этот текст ни на что не влияет, а при сохранении он будет "
    L"удалён.",
    // nulInLines
    L"{file} содержит байты NUL, которые могут остаться после сбоя питания. При "
    L"сохранении каждая из ваших собственных строк в нём останется только до первого "
    L"байта NUL.",
    // saveFailed
    L"Не удалось сохранить настройки в следующих местах:",
    // stillUnreadable
    L"{file}: файл по-прежнему не удалось прочитать, поэтому он оставлен без изменений.",
    // stillUnfitUnicode
    L"{file}: файл содержит символы, которые не может отобразить кодовая страница "
    L"системы, поэтому он оставлен без изменений.",
    // wouldNotLoad
    L"{file}: без прежних строк программы Setup ваши собственные строки в нём перестали "
    L"бы загружаться, поэтому файл оставлен без изменений; отредактируйте его вручную.",
    // notWritten
    L"{file}: не удалось записать новый файл (возможно, диск заполнен); старый файл не "
    L"изменён.",
    // leftAsWell
    L"{file}: этот файл тоже оставлен без изменений.",
    // savedTooLarge
    L"Файл {file} больше 8 МБ — намного больше любого файла настроек, поэтому программа "
    L"Setup не стала его читать. Показаны настройки игры по умолчанию. При сохранении "
    L"этот файл останется без изменений.",
    // tooLarge
    L"Программа Setup не стала читать эти файлы игры: каждый из них больше 8 МБ, намного "
    L"больше любого файла игры:",
    // cutShort
    L"Программа Setup прервала чтение этих файлов, так как оно заняло слишком много времени "
    L"или памяти, и их содержимое не использовано:",
    // cutShortOnSave
    L"Некоторые или все показанные настройки — это настройки игры по умолчанию, а не "
    L"сохранённые в {file}. При сохранении этот файл будет заменён показанными "
    L"настройками; ваши собственные строки в нём останутся.",
    // stillTooLarge
    L"{file}: файл больше 8 МБ, поэтому он оставлен без изменений.",
    // outOfMemory
    L"Программе Setup не хватило памяти при чтении настроек, и она будет закрыта. Ничего "
    L"не сохранено.",
    // saveOutOfMemory
    L"Программе Setup не хватило памяти при сохранении, поэтому настройки не сохранены. "
    L"Файлы настроек остались прежними.",
    // sheetFailed
    L"Не удалось показать окно программы Setup, или оно закрылось из-за системной ошибки. "
    L"Ничего не сохранено.",
};

const NoticeTexts kJapanese = {
    // unreadable
    L"{file} に保存された設定を Setup で読み込めませんでした。"
    L"ほかのプログラムがファイルを使用しているか、"
    L"ファイルへのアクセス権がない可能性があります。"
    L"表示されている設定はゲームの既定値です。",
    // unreadableOnSave
    L"保存すると、Setup はファイルをもう一度読み込み、ご自分で書き加えた行を残します。"
    L"それでも読み込めない場合、ファイルは変更されません。",
    // precompiled
    L"{file} に保存された設定はコンパイル済みの Lua コードです。Setup "
    L"は保存された設定をプレーンテキストとしてのみ読み込むため、"
    L"これらの設定は使用されませんでした。表示されている設定はゲームの既定値です。",
    // precompiledOnSave
    L"保存すると、"
    L"このファイルは現在の設定をプレーンテキストで書いたものに置き換えられます。",
    // unfitUnicode
    L"{file} に保存された設定は、システムのコード ページで表示できない文字を含む Unicode "
    L"テキストのため、ゲームでも Setup でも読み込めません。"
    L"表示されている設定はゲームの既定値です。",
    // unfitUnicodeOnSave
    L"保存しても、このファイルは変更されません。",
    // hiddenText
    L"{file} には、ファイルの終わりを示す記号 (Ctrl+Z) の後にテキストがあります。"
    L"ゲームはこの記号で読み込みを止めるため、そのテキストは効果がなく、"
    L"保存すると残りません。",
    // nulInLines
    L"{file} には、停電などで残ることのある NUL バイトが含まれています。保存すると、"
    L"ご自分で書き加えた各行は最初の NUL バイトの手前までしか残りません。",
    // saveFailed
    L"設定を次の場所に保存できませんでした：",
    // stillUnreadable
    L"{file}：今回も読み込めなかったため、変更していません。",
    // stillUnfitUnicode
    L"{file}：システムのコード ページで表示できない文字を含むため、変更していません。",
    // wouldNotLoad
    L"{file}：Setup が以前に書いた行を除くと、ご自分で書き加えた行が読み込めなくなるため、"
    L"変更していません。手動で編集してください。",
    // notWritten
    L"{file}：新しいファイルを書き込めませんでした "
    L"(ディスクがいっぱいではありませんか？)。元のファイルは変更されていません。",
    // leftAsWell
    L"{file}：このファイルも変更していません。",
    // savedTooLarge
    L"{file} は 8 MB を超えており、どの設定ファイルよりもはるかに大きいため、"
    L"Setup は読み込みませんでした。表示されている設定はゲームの既定値です。"
    L"保存しても、このファイルは変更されません。",
    // tooLarge
    L"次のゲームのファイルは 8 MB を超えており、ゲームのどのファイルよりもはるかに"
    L"大きいため、Setup は読み込みませんでした：",
    // cutShort
    L"次のファイルは読み込みに時間がかかりすぎるか、メモリを使いすぎるため、"
    L"Setup は読み込みを中止し、その内容は使用しませんでした：",
    // cutShortOnSave
    L"表示されている設定の一部またはすべては、{file} "
    L"に保存された設定ではなくゲームの既定値です。保存すると、"
    L"このファイルは表示されている設定に置き換えられます。ご自分で書き加えた行は残ります。",
    // stillTooLarge
    L"{file}：8 MB を超えているため、変更していません。",
    // outOfMemory
    L"設定の読み込み中に Setup のメモリが不足したため、終了します。"
    L"何も保存されていません。",
    // saveOutOfMemory
    L"保存中に Setup のメモリが不足したため、設定を保存できませんでした。"
    L"設定ファイルは元のままです。",
    // sheetFailed
    L"Setup のウィンドウを表示できなかったか、システム エラーでウィンドウが閉じました。"
    L"何も保存されていません。",
};

// Taiwan, Hong Kong and Macao write Traditional characters; the mainland and Singapore
// Simplified ones.
bool IsTraditionalChinese(LANGID language) {
  switch (SUBLANGID(language)) {
    case SUBLANG_CHINESE_TRADITIONAL:
    case SUBLANG_CHINESE_HONGKONG:
    case SUBLANG_CHINESE_MACAU:
      return true;
  }
  return language == LANG_CHINESE_TRADITIONAL;  // the neutral zh-Hant
}

// The row a language reads: its primary language, and for Chinese its script.
LANGID RowOf(LANGID language) {
  if (PRIMARYLANGID(language) != LANG_CHINESE)
    return PRIMARYLANGID(language);
  return IsTraditionalChinese(language) ? LANG_CHINESE_TRADITIONAL : LANG_CHINESE_SIMPLIFIED;
}

}  // namespace

// English first: it serves every language without a row of its own.
// clang-format off
const SheetLanguage kSheetLanguages[] = {
    {LANG_ENGLISH, IDD_OPTION_PAGE_EN, IDD_SYSTEM_PAGE_EN,
     {L"OK", L"Cancel", L"Reset"}, kEnglish},
    {LANG_KOREAN, IDD_OPTION_PAGE, IDD_SYSTEM_PAGE,
     {L"확인", L"취소", L"초기화"}, kKorean},
    {LANG_CHINESE_SIMPLIFIED, IDD_OPTION_PAGE_ZH_CN, IDD_SYSTEM_PAGE_ZH_CN,
     {L"确定", L"取消", L"重置"}, kSimplifiedChinese},
    {LANG_CHINESE_TRADITIONAL, IDD_OPTION_PAGE_ZH_TW, IDD_SYSTEM_PAGE_ZH_TW,
     {L"確定", L"取消", L"重設"}, kTraditionalChinese},
    {LANG_PORTUGUESE, IDD_OPTION_PAGE_PT, IDD_SYSTEM_PAGE_PT,
     {L"OK", L"Cancelar", L"Redefinir"}, kPortuguese},
    {LANG_RUSSIAN, IDD_OPTION_PAGE_RU, IDD_SYSTEM_PAGE_RU,
     {L"ОК", L"Отмена", L"Сброс"}, kRussian},
    {LANG_JAPANESE, IDD_OPTION_PAGE_JA, IDD_SYSTEM_PAGE_JA,
     {L"OK", L"キャンセル", L"リセット"}, kJapanese},
};
// clang-format on
const size_t kSheetLanguageCount = sizeof(kSheetLanguages) / sizeof(kSheetLanguages[0]);

const SheetLanguage& GetSheetLanguage(LANGID uiLanguage) {
  for (const SheetLanguage& language : kSheetLanguages)
    if (language.language == RowOf(uiLanguage))
      return language;
  return kSheetLanguages[0];
}
