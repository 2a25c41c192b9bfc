; The setup's languages and its own texts in each (included by kelvoro.nsi after its pages).
;
; Setup and uninstaller speak the Windows display language when it is one of these, and English
; otherwise (the first language is the default); they never ask. NSIS brings the texts of its
; standard pages; the texts below are the setup's own. Only what the user reads is translated:
; the product name, registry paths and values, file names, the Add/Remove entry's and the
; shortcut's names stay as they are in every language, and so does what the setup writes.
;
; BinName is the program's own word for the Recycle Bin in each language, the last name but one
; that the uninstaller gives a restored bin (see un.FindStockName).
; The texts may hold $Who (whose Recycle Bin: one of the Who* texts) and $IconValue (the
; DefaultIcon value's name, empty for the default value). The program's button is named as the
; program names it in that language. To add a language: one MUI_LANGUAGE line below (in the
; language's NSIS name, as in "Contrib\Language files"), a block of every LangString for it, and
; its UTF-8 locale in scripts/deps.sh.

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Turkish"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "Korean"
!insertmacro MUI_LANGUAGE "Arabic"
!insertmacro MUI_LANGUAGE "Hebrew"
!insertmacro MUI_LANGUAGE "Thai"
!insertmacro MUI_LANGUAGE "Greek"
!insertmacro MUI_LANGUAGE "Ukrainian"
!insertmacro MUI_LANGUAGE "Bulgarian"
!insertmacro MUI_LANGUAGE "SerbianLatin"
!insertmacro MUI_LANGUAGE "Croatian"
!insertmacro MUI_LANGUAGE "Slovenian"
!insertmacro MUI_LANGUAGE "Slovak"
!insertmacro MUI_LANGUAGE "Czech"
!insertmacro MUI_LANGUAGE "Hungarian"
!insertmacro MUI_LANGUAGE "TradChinese"
!insertmacro MUI_LANGUAGE "Portuguese"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Swedish"
!insertmacro MUI_LANGUAGE "Danish"
!insertmacro MUI_LANGUAGE "Norwegian"
!insertmacro MUI_LANGUAGE "Finnish"
!insertmacro MUI_LANGUAGE "Estonian"
!insertmacro MUI_LANGUAGE "Latvian"
!insertmacro MUI_LANGUAGE "Lithuanian"
!insertmacro MUI_LANGUAGE "Romanian"

Var Who
Var IconValue

; Chooses the setup's language as the program chooses its own (src/texts/languages.h), where NSIS
; alone would choose otherwise: Chinese of Taiwan, Hong Kong, Macao and Traditional Chinese itself
; read Traditional Chinese, any other Chinese Simplified; Portugal's Portuguese reads Portuguese,
; any other Brazil's; Serbian in either script reads Serbian (Latin), and Croatian and Bosnian read
; Croatian. Any other display language is left as NSIS chose it: the language itself, else one of
; its primary language, else English. Called first in .onInit and un.onInit; NSIS has already put
; its own choice in $LANGUAGE there, and takes the one left there when the function returns.
!macro ChooseLanguageFunction UN
  Function ${UN}ChooseLanguage
    Push $0
    Push $1
    System::Call 'kernel32::GetUserDefaultUILanguage() i .r0'
    ${If} $0 != "error"
      IntOp $1 $0 >> 10  ; the sublanguage
      IntOp $0 $0 & 0x3FF  ; the primary language
      ${If} $0 = 0x04
        StrCpy $LANGUAGE 2052  ; SimpChinese
        ${If} $1 = 1  ; Taiwan
        ${OrIf} $1 = 3  ; Hong Kong
        ${OrIf} $1 = 5  ; Macao
        ${OrIf} $1 = 31  ; Traditional Chinese
          StrCpy $LANGUAGE 1028  ; TradChinese
        ${EndIf}
      ${ElseIf} $0 = 0x16
        StrCpy $LANGUAGE 1046  ; PortugueseBR
        ${If} $1 = 2  ; Portugal
          StrCpy $LANGUAGE 2070  ; Portuguese
        ${EndIf}
      ${ElseIf} $0 = 0x1A
        StrCpy $LANGUAGE 1050  ; Croatian
        ${Switch} $1  ; Serbian, Latin or Cyrillic: Serbia and Montenegro, Bosnia, Serbia, Montenegro
          ${Case} 2
          ${Case} 3
          ${Case} 6
          ${Case} 7
          ${Case} 9
          ${Case} 10
          ${Case} 11
          ${Case} 12
            StrCpy $LANGUAGE 2074  ; SerbianLatin
        ${EndSwitch}
      ${EndIf}
    ${EndIf}
    Pop $1
    Pop $0
  FunctionEnd
!macroend
!insertmacro ChooseLanguageFunction ""
!insertmacro ChooseLanguageFunction "un."

!define L ${LANG_ENGLISH}
LangString SetupCaption     ${L} "${PRODUCT} Setup"
LangString UninstallCaption ${L} "${PRODUCT} Uninstall"
LangString WhoThisAccount   ${L} "this account"
LangString WhoAccount       ${L} "account $R0"
LangString WhoAll9x         ${L} "all accounts (Windows 95/98 class)"
LangString RestoringIcon    ${L} "Restoring the stock Recycle Bin icon ($IconValue) for $Who"
LangString RestoringName    ${L} "Restoring the stock Recycle Bin name for $Who"
LangString BinName          ${L} "Recycle Bin"
LangString RestoringSound   ${L} "Restoring the stock Empty Recycle Bin sound for $Who"
LangString ClearingSound    ${L} "Clearing the Empty Recycle Bin sound for $Who (no stock sound is set)"
LangString NotSignedIn1     ${L} "Accounts that are not signed in now were not restored: if one of them applied"
LangString NotSignedIn2     ${L} "Kelvoro, its Recycle Bin keeps the Kelvoro name and icons (shown blank once the"
LangString NotSignedIn3     ${L} "files are gone) and a silent Empty Recycle Bin sound. Press Restore Defaults in"
LangString NotSignedIn4     ${L} "Kelvoro in that account before uninstalling, or afterwards from the portable copy."
LangString KeptForOther1    ${L} "Kept for the other ${PRODUCT} in $OtherFolder: $WINDIR\media\${WAV_NAME}, the"
LangString KeptForOther2    ${L} "Empty Recycle Bin sound and this account's settings"
!undef L

!define L ${LANG_GERMAN}
LangString SetupCaption     ${L} "${PRODUCT} Installation"
LangString UninstallCaption ${L} "${PRODUCT} Deinstallation"
LangString WhoThisAccount   ${L} "dieses Konto"
LangString WhoAccount       ${L} "das Konto $R0"
LangString WhoAll9x         ${L} "alle Konten (Klasse von Windows 95/98)"
LangString RestoringIcon    ${L} "Das Standardsymbol des Papierkorbs ($IconValue) wird für $Who wiederhergestellt"
LangString RestoringName    ${L} "Der Standardname des Papierkorbs wird für $Who wiederhergestellt"
LangString BinName          ${L} "Papierkorb"
LangString RestoringSound   ${L} "Der Standardsound für „Papierkorb leeren“ wird für $Who wiederhergestellt"
LangString ClearingSound    ${L} "Der Sound für „Papierkorb leeren“ wird für $Who entfernt (kein Standardsound festgelegt)"
LangString NotSignedIn1     ${L} "Nicht angemeldete Konten wurden nicht wiederhergestellt. Hat eines davon Kelvoro"
LangString NotSignedIn2     ${L} "angewendet, behält sein Papierkorb den Namen „Kelvoro“ und die Symbole (leer, wenn"
LangString NotSignedIn3     ${L} "die Dateien fehlen), und „Papierkorb leeren“ bleibt stumm. Klicken Sie dort vorher"
LangString NotSignedIn4     ${L} "in Kelvoro auf „Standardwerte“, oder nach der Deinstallation in der portablen Version."
LangString KeptForOther1    ${L} "Für das andere ${PRODUCT} in $OtherFolder beibehalten: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "der Sound für „Papierkorb leeren“ und die Einstellungen dieses Kontos"
!undef L

!define L ${LANG_FRENCH}
LangString SetupCaption     ${L} "Installation de ${PRODUCT}"
LangString UninstallCaption ${L} "Désinstallation de ${PRODUCT}"
LangString WhoThisAccount   ${L} "ce compte"
LangString WhoAccount       ${L} "le compte $R0"
LangString WhoAll9x         ${L} "tous les comptes (classe de Windows 95/98)"
LangString RestoringIcon    ${L} "Restauration de l'icône par défaut de la Corbeille ($IconValue) pour $Who"
LangString RestoringName    ${L} "Restauration du nom par défaut de la Corbeille pour $Who"
LangString BinName          ${L} "Corbeille"
LangString RestoringSound   ${L} "Restauration du son par défaut de « Vider la Corbeille » pour $Who"
LangString ClearingSound    ${L} "Suppression du son de « Vider la Corbeille » pour $Who (aucun son par défaut n'est défini)"
LangString NotSignedIn1     ${L} "Les comptes non connectés n'ont pas été restaurés : si l'un d'eux a appliqué"
LangString NotSignedIn2     ${L} "Kelvoro, sa Corbeille garde le nom « Kelvoro » et ses icônes (vides sans les"
LangString NotSignedIn3     ${L} "fichiers), et « Vider la Corbeille » reste muet. Dans ce compte, cliquez sur"
LangString NotSignedIn4     ${L} "« Par défaut » dans Kelvoro avant de désinstaller, ou ensuite en version portable."
LangString KeptForOther1    ${L} "Conservés pour l'autre ${PRODUCT} dans $OtherFolder : $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "le son de « Vider la Corbeille » et les paramètres de ce compte"
!undef L

!define L ${LANG_SPANISH}
LangString SetupCaption     ${L} "Instalación de ${PRODUCT}"
LangString UninstallCaption ${L} "Desinstalación de ${PRODUCT}"
LangString WhoThisAccount   ${L} "esta cuenta"
LangString WhoAccount       ${L} "la cuenta $R0"
LangString WhoAll9x         ${L} "todas las cuentas (clase de Windows 95/98)"
LangString RestoringIcon    ${L} "Restaurando el icono predeterminado de la Papelera de reciclaje ($IconValue) para $Who"
LangString RestoringName    ${L} "Restaurando el nombre predeterminado de la Papelera de reciclaje para $Who"
LangString BinName          ${L} "Papelera de reciclaje"
LangString RestoringSound   ${L} "Restaurando el sonido predeterminado de Vaciar Papelera de reciclaje para $Who"
LangString ClearingSound    ${L} "Quitando el sonido de Vaciar Papelera de reciclaje para $Who (no hay ningún sonido predeterminado)"
LangString NotSignedIn1     ${L} "Las cuentas sin sesión iniciada no se restauraron: si una aplicó Kelvoro, su"
LangString NotSignedIn2     ${L} "Papelera de reciclaje conserva el nombre Kelvoro y los iconos (en blanco sin los"
LangString NotSignedIn3     ${L} "archivos) y Vaciar Papelera de reciclaje queda sin sonido. Haga clic en Restaurar"
LangString NotSignedIn4     ${L} "predeterminados en esa cuenta antes de desinstalar, o después en Kelvoro portátil."
LangString KeptForOther1    ${L} "Se conservan para el otro ${PRODUCT} en $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "el sonido de Vaciar Papelera de reciclaje y la configuración de esta cuenta"
!undef L

!define L ${LANG_ITALIAN}
LangString SetupCaption     ${L} "Installazione di ${PRODUCT}"
LangString UninstallCaption ${L} "Disinstallazione di ${PRODUCT}"
LangString WhoThisAccount   ${L} "questo account"
LangString WhoAccount       ${L} "l'account $R0"
LangString WhoAll9x         ${L} "tutti gli account (classe di Windows 95/98)"
LangString RestoringIcon    ${L} "Ripristino dell'icona predefinita del Cestino ($IconValue) per $Who"
LangString RestoringName    ${L} "Ripristino del nome predefinito del Cestino per $Who"
LangString BinName          ${L} "Cestino"
LangString RestoringSound   ${L} "Ripristino del suono predefinito di Svuota Cestino per $Who"
LangString ClearingSound    ${L} "Rimozione del suono di Svuota Cestino per $Who (nessun suono predefinito impostato)"
LangString NotSignedIn1     ${L} "Gli account non connessi non sono stati ripristinati: se uno di essi ha applicato"
LangString NotSignedIn2     ${L} "Kelvoro, il suo Cestino mantiene il nome Kelvoro e le icone (vuote senza i file)"
LangString NotSignedIn3     ${L} "e Svuota Cestino resta muto. In quell'account fare clic su Ripristina predefiniti"
LangString NotSignedIn4     ${L} "in Kelvoro prima della disinstallazione, o dopo nella versione portatile."
LangString KeptForOther1    ${L} "Mantenuti per l'altro ${PRODUCT} in $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "il suono di Svuota Cestino e le impostazioni di questo account"
!undef L

!define L ${LANG_PORTUGUESEBR}
LangString SetupCaption     ${L} "Instalação do ${PRODUCT}"
LangString UninstallCaption ${L} "Desinstalação do ${PRODUCT}"
LangString WhoThisAccount   ${L} "esta conta"
LangString WhoAccount       ${L} "a conta $R0"
LangString WhoAll9x         ${L} "todas as contas (classe do Windows 95/98)"
LangString RestoringIcon    ${L} "Restaurando o ícone padrão da Lixeira ($IconValue) para $Who"
LangString RestoringName    ${L} "Restaurando o nome padrão da Lixeira para $Who"
LangString BinName          ${L} "Lixeira"
LangString RestoringSound   ${L} "Restaurando o som padrão de Esvaziar Lixeira para $Who"
LangString ClearingSound    ${L} "Removendo o som de Esvaziar Lixeira para $Who (nenhum som padrão definido)"
LangString NotSignedIn1     ${L} "As contas não conectadas não foram restauradas: se uma delas aplicou o Kelvoro,"
LangString NotSignedIn2     ${L} "a Lixeira dela mantém o nome Kelvoro e os ícones (em branco sem os arquivos), e"
LangString NotSignedIn3     ${L} "Esvaziar Lixeira fica sem som. Nessa conta, clique em Restaurar Padrão no Kelvoro"
LangString NotSignedIn4     ${L} "antes de desinstalar, ou depois na versão portátil."
LangString KeptForOther1    ${L} "Mantidos para o outro ${PRODUCT} em $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "o som de Esvaziar Lixeira e as configurações desta conta"
!undef L

!define L ${LANG_RUSSIAN}
LangString SetupCaption     ${L} "Установка ${PRODUCT}"
LangString UninstallCaption ${L} "Удаление ${PRODUCT}"
LangString WhoThisAccount   ${L} "этой учетной записи"
LangString WhoAccount       ${L} "учетной записи $R0"
LangString WhoAll9x         ${L} "всех учетных записей (класс Windows 95/98)"
LangString RestoringIcon    ${L} "Восстановление стандартного значка корзины ($IconValue) для $Who"
LangString RestoringName    ${L} "Восстановление стандартного имени корзины для $Who"
LangString BinName          ${L} "Корзина"
LangString RestoringSound   ${L} "Восстановление стандартного звука «Очистка корзины» для $Who"
LangString ClearingSound    ${L} "Отключение звука «Очистка корзины» для $Who (стандартный звук не задан)"
LangString NotSignedIn1     ${L} "Учетные записи без выполненного входа не восстановлены: если в одной из них"
LangString NotSignedIn2     ${L} "применен Kelvoro, ее корзина сохранит имя «Kelvoro» и значки (пустые без файлов),"
LangString NotSignedIn3     ${L} "а «Очистка корзины» останется без звука. Нажмите «По умолчанию» в Kelvoro в этой"
LangString NotSignedIn4     ${L} "учетной записи до удаления программы или после него в переносной версии."
LangString KeptForOther1    ${L} "Сохранено для другой копии ${PRODUCT} в $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "звук «Очистка корзины» и параметры этой учетной записи"
!undef L

!define L ${LANG_POLISH}
LangString SetupCaption     ${L} "Instalator programu ${PRODUCT}"
LangString UninstallCaption ${L} "Dezinstalator programu ${PRODUCT}"
LangString WhoThisAccount   ${L} "tego konta"
LangString WhoAccount       ${L} "konta $R0"
LangString WhoAll9x         ${L} "wszystkich kont (klasa systemu Windows 95/98)"
LangString RestoringIcon    ${L} "Przywracanie domyślnej ikony Kosza ($IconValue) dla $Who"
LangString RestoringName    ${L} "Przywracanie domyślnej nazwy Kosza dla $Who"
LangString BinName          ${L} "Kosz"
LangString RestoringSound   ${L} "Przywracanie domyślnego dźwięku Opróżnianie Kosza dla $Who"
LangString ClearingSound    ${L} "Usuwanie dźwięku Opróżnianie Kosza dla $Who (nie ustawiono dźwięku domyślnego)"
LangString NotSignedIn1     ${L} "Konta, które nie są zalogowane, nie zostały przywrócone: jeśli na którymś z nich"
LangString NotSignedIn2     ${L} "zastosowano Kelvoro, jego Kosz zachowa nazwę Kelvoro i ikony (puste bez plików),"
LangString NotSignedIn3     ${L} "a Opróżnianie Kosza będzie bez dźwięku. Kliknij Przywróć domyślne w Kelvoro na"
LangString NotSignedIn4     ${L} "tym koncie przed dezinstalacją albo później w wersji przenośnej."
LangString KeptForOther1    ${L} "Zachowano dla drugiego programu ${PRODUCT} w $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "dźwięk Opróżnianie Kosza i ustawienia tego konta"
!undef L

!define L ${LANG_TURKISH}
LangString SetupCaption     ${L} "${PRODUCT} Kurulumu"
LangString UninstallCaption ${L} "${PRODUCT} Kaldırma"
LangString WhoThisAccount   ${L} "bu hesap"
LangString WhoAccount       ${L} "$R0 hesabı"
LangString WhoAll9x         ${L} "tüm hesaplar (Windows 95/98 sınıfı)"
LangString RestoringIcon    ${L} "$Who için varsayılan Geri Dönüşüm Kutusu simgesi ($IconValue) geri yükleniyor"
LangString RestoringName    ${L} "$Who için varsayılan Geri Dönüşüm Kutusu adı geri yükleniyor"
LangString BinName          ${L} "Geri Dönüşüm Kutusu"
LangString RestoringSound   ${L} "$Who için varsayılan Geri Dönüşüm Kutusunu Boşalt sesi geri yükleniyor"
LangString ClearingSound    ${L} "$Who için Geri Dönüşüm Kutusunu Boşalt sesi kaldırılıyor (varsayılan ses ayarlanmamış)"
LangString NotSignedIn1     ${L} "Oturum açmamış hesaplar geri yüklenmedi: bunlardan biri Kelvoro'yu uyguladıysa,"
LangString NotSignedIn2     ${L} "Geri Dönüşüm Kutusu Kelvoro adını ve simgelerini (dosyalar silinince boş) korur"
LangString NotSignedIn3     ${L} "ve Geri Dönüşüm Kutusunu Boşalt sessiz kalır. Kaldırmadan önce o hesapta"
LangString NotSignedIn4     ${L} "Kelvoro'da Varsayılanlar'a tıklayın ya da sonra taşınabilir sürümü kullanın."
LangString KeptForOther1    ${L} "$OtherFolder içindeki diğer ${PRODUCT} için korundu: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "Geri Dönüşüm Kutusunu Boşalt sesi ve bu hesabın ayarları"
!undef L

!define L ${LANG_SIMPCHINESE}
LangString SetupCaption     ${L} "${PRODUCT} 安装程序"
LangString UninstallCaption ${L} "${PRODUCT} 卸载程序"
LangString WhoThisAccount   ${L} "此帐户"
LangString WhoAccount       ${L} "帐户 $R0 "
LangString WhoAll9x         ${L} "所有帐户(Windows 95/98 类)"
LangString RestoringIcon    ${L} "正在为$Who还原默认的回收站图标 ($IconValue)"
LangString RestoringName    ${L} "正在为$Who还原默认的回收站名称"
LangString BinName          ${L} "回收站"
LangString RestoringSound   ${L} "正在为$Who还原默认的“清空回收站”声音"
LangString ClearingSound    ${L} "正在为$Who清除“清空回收站”声音(未设置默认声音)"
LangString NotSignedIn1     ${L} "当前未登录的帐户未被还原: 如果其中某个帐户应用过 Kelvoro,"
LangString NotSignedIn2     ${L} "其回收站将保留 Kelvoro 名称和图标(文件删除后显示为空白),"
LangString NotSignedIn3     ${L} "并且“清空回收站”没有声音。请在卸载前在该帐户中单击 Kelvoro 的“还原默认值”,"
LangString NotSignedIn4     ${L} "或在卸载后使用便携版执行此操作。"
LangString KeptForOther1    ${L} "已为 $OtherFolder 中的另一个 ${PRODUCT} 保留: $WINDIR\media\${WAV_NAME}、"
LangString KeptForOther2    ${L} "“清空回收站”声音和此帐户的设置"
!undef L

!define L ${LANG_JAPANESE}
LangString SetupCaption     ${L} "${PRODUCT} セットアップ"
LangString UninstallCaption ${L} "${PRODUCT} アンインストール"
LangString WhoThisAccount   ${L} "このアカウント"
LangString WhoAccount       ${L} "アカウント $R0 "
LangString WhoAll9x         ${L} "すべてのアカウント (Windows 95/98 のクラス)"
LangString RestoringIcon    ${L} "$Whoのごみ箱のアイコン ($IconValue) を既定に戻しています"
LangString RestoringName    ${L} "$Whoのごみ箱の名前を既定に戻しています"
LangString BinName          ${L} "ごみ箱"
LangString RestoringSound   ${L} "$Whoの [ごみ箱を空にする] のサウンドを既定に戻しています"
LangString ClearingSound    ${L} "$Whoの [ごみ箱を空にする] のサウンドを解除しています (既定のサウンドが設定されていません)"
LangString NotSignedIn1     ${L} "サインインしていないアカウントは元に戻していません。その中で Kelvoro を"
LangString NotSignedIn2     ${L} "適用したアカウントでは、ごみ箱の名前とアイコン (削除後は空白) が残り、"
LangString NotSignedIn3     ${L} "[ごみ箱を空にする] のサウンドは鳴りません。アンインストールの前にその"
LangString NotSignedIn4     ${L} "アカウントで [既定値に戻す] をクリックしてください (後ならポータブル版で)。"
LangString KeptForOther1    ${L} "$OtherFolder のもう一方の ${PRODUCT} のために保持しました: $WINDIR\media\${WAV_NAME}、"
LangString KeptForOther2    ${L} "[ごみ箱を空にする] のサウンド、このアカウントの設定"
!undef L

!define L ${LANG_KOREAN}
LangString SetupCaption     ${L} "${PRODUCT} 설치"
LangString UninstallCaption ${L} "${PRODUCT} 제거"
LangString WhoThisAccount   ${L} "이 계정"
LangString WhoAccount       ${L} "계정 $R0"
LangString WhoAll9x         ${L} "모든 계정(Windows 95/98 클래스)"
LangString RestoringIcon    ${L} "$Who의 휴지통 기본 아이콘($IconValue)을 복원하는 중"
LangString RestoringName    ${L} "$Who의 휴지통 기본 이름을 복원하는 중"
LangString BinName          ${L} "휴지통"
LangString RestoringSound   ${L} "$Who의 휴지통 비우기 기본 소리를 복원하는 중"
LangString ClearingSound    ${L} "$Who의 휴지통 비우기 소리를 지우는 중(기본 소리가 설정되어 있지 않음)"
LangString NotSignedIn1     ${L} "로그인하지 않은 계정은 복원되지 않았습니다. 그중 Kelvoro를 적용한 계정의"
LangString NotSignedIn2     ${L} "휴지통은 Kelvoro 이름과 아이콘(파일 삭제 후 빈 아이콘)을 유지하고 휴지통"
LangString NotSignedIn3     ${L} "비우기 소리가 나지 않습니다. 제거 전에 그 계정에서 Kelvoro의 [기본값 복원]을"
LangString NotSignedIn4     ${L} "클릭하거나, 제거 후에는 포터블 버전에서 클릭하십시오."
LangString KeptForOther1    ${L} "$OtherFolder에 있는 다른 ${PRODUCT}를 위해 유지됨: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "휴지통 비우기 소리 및 이 계정의 설정"
!undef L

!define L ${LANG_ARABIC}
LangString SetupCaption     ${L} "إعداد ${PRODUCT}"
LangString UninstallCaption ${L} "إلغاء تثبيت ${PRODUCT}"
LangString WhoThisAccount   ${L} "هذا الحساب"
LangString WhoAccount       ${L} "الحساب $R0"
LangString WhoAll9x         ${L} "كل الحسابات (فئة Windows 95/98)"
LangString RestoringIcon    ${L} "جارٍ استعادة رمز سلة المحذوفات الافتراضي ($IconValue) في $Who"
LangString RestoringName    ${L} "جارٍ استعادة اسم سلة المحذوفات الافتراضي في $Who"
LangString BinName          ${L} "سلة المحذوفات"
LangString RestoringSound   ${L} "جارٍ استعادة صوت «إفراغ سلة المحذوفات» الافتراضي في $Who"
LangString ClearingSound    ${L} "جارٍ مسح صوت «إفراغ سلة المحذوفات» في $Who (لم يتم تعيين صوت افتراضي)"
LangString NotSignedIn1     ${L} "لم تتم استعادة الحسابات غير المسجل دخولها الآن: إذا طبّق أحدها Kelvoro،"
LangString NotSignedIn2     ${L} "فستحتفظ سلة المحذوفات فيه بالاسم «Kelvoro» وبرموزه (فارغة بعد حذف الملفات)،"
LangString NotSignedIn3     ${L} "ويبقى «إفراغ سلة المحذوفات» بلا صوت. انقر فوق «استعادة الافتراضيات» في Kelvoro"
LangString NotSignedIn4     ${L} "في ذلك الحساب قبل إلغاء التثبيت، أو بعده من النسخة المحمولة."
LangString KeptForOther1    ${L} "تم الاحتفاظ بما يلي لنسخة ${PRODUCT} الأخرى في $OtherFolder: $WINDIR\media\${WAV_NAME}،"
LangString KeptForOther2    ${L} "وصوت «إفراغ سلة المحذوفات» وإعدادات هذا الحساب"
!undef L

!define L ${LANG_HEBREW}
LangString SetupCaption     ${L} "התקנת ${PRODUCT}"
LangString UninstallCaption ${L} "הסרת ${PRODUCT}"
LangString WhoThisAccount   ${L} "חשבון זה"
LangString WhoAccount       ${L} "החשבון $R0"
LangString WhoAll9x         ${L} "כל החשבונות (מחלקת Windows 95/98)"
LangString RestoringIcon    ${L} "משחזר את סמל ברירת המחדל של סל המיחזור ($IconValue) עבור $Who"
LangString RestoringName    ${L} "משחזר את שם ברירת המחדל של סל המיחזור עבור $Who"
LangString BinName          ${L} "סל המיחזור"
LangString RestoringSound   ${L} "משחזר את צליל ברירת המחדל של $\"רוקן את סל המיחזור$\" עבור $Who"
LangString ClearingSound    ${L} "מנקה את הצליל של $\"רוקן את סל המיחזור$\" עבור $Who (לא הוגדר צליל ברירת מחדל)"
LangString NotSignedIn1     ${L} "חשבונות שאינם מחוברים כעת לא שוחזרו: אם באחד מהם הוחל Kelvoro, סל המיחזור שלו"
LangString NotSignedIn2     ${L} "שומר על השם $\"Kelvoro$\" ועל הסמלים (ריקים לאחר שהקבצים נמחקו), והצליל של"
LangString NotSignedIn3     ${L} "$\"רוקן את סל המיחזור$\" יהיה שקט. לחץ על $\"שחזר ברירות מחדל$\" ב-Kelvoro באותו חשבון"
LangString NotSignedIn4     ${L} "לפני הסרת ההתקנה, או לאחר מכן מהעותק הנייד."
LangString KeptForOther1    ${L} "נשמרו עבור ${PRODUCT} האחר שב-$OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "הצליל של $\"רוקן את סל המיחזור$\" וההגדרות של חשבון זה"
!undef L

!define L ${LANG_THAI}
LangString SetupCaption     ${L} "การติดตั้ง ${PRODUCT}"
LangString UninstallCaption ${L} "การถอนการติดตั้ง ${PRODUCT}"
LangString WhoThisAccount   ${L} "บัญชีนี้"
LangString WhoAccount       ${L} "บัญชี $R0"
LangString WhoAll9x         ${L} "ทุกบัญชี (คลาสของ Windows 95/98)"
LangString RestoringIcon    ${L} "กำลังคืนค่าไอคอนเริ่มต้นของถังรีไซเคิล ($IconValue) สำหรับ$Who"
LangString RestoringName    ${L} "กำลังคืนค่าชื่อเริ่มต้นของถังรีไซเคิลสำหรับ$Who"
LangString BinName          ${L} "ถังรีไซเคิล"
LangString RestoringSound   ${L} "กำลังคืนค่าเสียงเริ่มต้นของ “ล้างถังรีไซเคิล” สำหรับ$Who"
LangString ClearingSound    ${L} "กำลังลบเสียง “ล้างถังรีไซเคิล” สำหรับ$Who (ไม่ได้ตั้งค่าเสียงเริ่มต้นไว้)"
LangString NotSignedIn1     ${L} "ไม่ได้คืนค่าบัญชีที่ไม่ได้ลงชื่อเข้าใช้อยู่ในขณะนี้ หากบัญชีใดเคยนำ Kelvoro ไปใช้"
LangString NotSignedIn2     ${L} "ถังรีไซเคิลของบัญชีนั้นจะยังคงชื่อ Kelvoro และไอคอนไว้ (ว่างเปล่าเมื่อไฟล์ถูกลบ)"
LangString NotSignedIn3     ${L} "และ “ล้างถังรีไซเคิล” จะไม่มีเสียง ในบัญชีนั้นให้คลิก “คืนค่าเริ่มต้น” ใน Kelvoro"
LangString NotSignedIn4     ${L} "ก่อนถอนการติดตั้ง หรือหลังจากนั้นในฉบับพกพา"
LangString KeptForOther1    ${L} "เก็บไว้สำหรับ ${PRODUCT} อีกชุดใน $OtherFolder: $WINDIR\media\${WAV_NAME}"
LangString KeptForOther2    ${L} "เสียง “ล้างถังรีไซเคิล” และการตั้งค่าของบัญชีนี้"
!undef L

!define L ${LANG_GREEK}
LangString SetupCaption     ${L} "Εγκατάσταση του ${PRODUCT}"
LangString UninstallCaption ${L} "Κατάργηση εγκατάστασης του ${PRODUCT}"
LangString WhoThisAccount   ${L} "αυτόν τον λογαριασμό"
LangString WhoAccount       ${L} "τον λογαριασμό $R0"
LangString WhoAll9x         ${L} "όλους τους λογαριασμούς (κλάση των Windows 95/98)"
LangString RestoringIcon    ${L} "Επαναφορά του προεπιλεγμένου εικονιδίου του Κάδου Ανακύκλωσης ($IconValue) για $Who"
LangString RestoringName    ${L} "Επαναφορά του προεπιλεγμένου ονόματος του Κάδου Ανακύκλωσης για $Who"
LangString BinName          ${L} "Κάδος Ανακύκλωσης"
LangString RestoringSound   ${L} "Επαναφορά του προεπιλεγμένου ήχου «Άδειασμα Κάδου Ανακύκλωσης» για $Who"
LangString ClearingSound    ${L} "Κατάργηση του ήχου «Άδειασμα Κάδου Ανακύκλωσης» για $Who (δεν έχει οριστεί προεπιλεγμένος ήχος)"
LangString NotSignedIn1     ${L} "Δεν έγινε επαναφορά για λογαριασμούς χωρίς σύνδεση: αν σε κάποιον εφαρμόστηκε το Kelvoro,"
LangString NotSignedIn2     ${L} "ο Κάδος Ανακύκλωσής του κρατά το όνομα «Kelvoro» και τα εικονίδια (κενά χωρίς τα αρχεία)"
LangString NotSignedIn3     ${L} "και το «Άδειασμα Κάδου Ανακύκλωσης» μένει βουβό. Πατήστε «Επαναφορά προεπιλογών» στο"
LangString NotSignedIn4     ${L} "Kelvoro σε εκείνον τον λογαριασμό πριν από την κατάργηση ή μετά, στη φορητή έκδοση."
LangString KeptForOther1    ${L} "Διατηρήθηκαν για το άλλο ${PRODUCT} στο $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "ο ήχος «Άδειασμα Κάδου Ανακύκλωσης» και οι ρυθμίσεις αυτού του λογαριασμού"
!undef L

!define L ${LANG_UKRAINIAN}
LangString SetupCaption     ${L} "Інсталяція ${PRODUCT}"
LangString UninstallCaption ${L} "Видалення ${PRODUCT}"
LangString WhoThisAccount   ${L} "цього облікового запису"
LangString WhoAccount       ${L} "облікового запису $R0"
LangString WhoAll9x         ${L} "усіх облікових записів (клас Windows 95/98)"
LangString RestoringIcon    ${L} "Відновлення стандартного значка кошика ($IconValue) для $Who"
LangString RestoringName    ${L} "Відновлення стандартного імені кошика для $Who"
LangString BinName          ${L} "Кошик"
LangString RestoringSound   ${L} "Відновлення стандартного звуку «Очищення кошика» для $Who"
LangString ClearingSound    ${L} "Вимкнення звуку «Очищення кошика» для $Who (стандартний звук не задано)"
LangString NotSignedIn1     ${L} "Облікові записи, у які зараз не виконано вхід, не відновлено: якщо в одному з них"
LangString NotSignedIn2     ${L} "застосовано Kelvoro, його кошик збереже ім’я «Kelvoro» і значки (порожні без файлів),"
LangString NotSignedIn3     ${L} "а «Очищення кошика» залишиться без звуку. Натисніть «За замовчуванням» у Kelvoro в цьому"
LangString NotSignedIn4     ${L} "обліковому записі до видалення програми або після нього в портативній версії."
LangString KeptForOther1    ${L} "Збережено для іншої копії ${PRODUCT} у $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "звук «Очищення кошика» та параметри цього облікового запису"
!undef L

!define L ${LANG_BULGARIAN}
LangString SetupCaption     ${L} "Инсталиране на ${PRODUCT}"
LangString UninstallCaption ${L} "Деинсталиране на ${PRODUCT}"
LangString WhoThisAccount   ${L} "този акаунт"
LangString WhoAccount       ${L} "акаунта $R0"
LangString WhoAll9x         ${L} "всички акаунти (клас на Windows 95/98)"
LangString RestoringIcon    ${L} "Възстановяване на стандартната икона на кошчето ($IconValue) за $Who"
LangString RestoringName    ${L} "Възстановяване на стандартното име на кошчето за $Who"
LangString BinName          ${L} "Кошче"
LangString RestoringSound   ${L} "Възстановяване на стандартния звук за „Изпразване на кошчето“ за $Who"
LangString ClearingSound    ${L} "Премахване на звука за „Изпразване на кошчето“ за $Who (няма зададен стандартен звук)"
LangString NotSignedIn1     ${L} "Акаунтите, в които сега няма влезли потребители, не са възстановени: ако в някой от тях"
LangString NotSignedIn2     ${L} "е приложен Kelvoro, кошчето му запазва името „Kelvoro“ и иконите (празни без файловете),"
LangString NotSignedIn3     ${L} "а „Изпразване на кошчето“ остава без звук. Щракнете върху „По подразбиране“ в Kelvoro в"
LangString NotSignedIn4     ${L} "този акаунт преди деинсталирането или след това в преносимата версия."
LangString KeptForOther1    ${L} "Запазени за другия ${PRODUCT} в $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "звукът за „Изпразване на кошчето“ и настройките на този акаунт"
!undef L

!define L ${LANG_SERBIANLATIN}
LangString SetupCaption     ${L} "Instalacija programa ${PRODUCT}"
LangString UninstallCaption ${L} "Deinstalacija programa ${PRODUCT}"
LangString WhoThisAccount   ${L} "ovaj nalog"
LangString WhoAccount       ${L} "nalog $R0"
LangString WhoAll9x         ${L} "sve naloge (klasa sistema Windows 95/98)"
LangString RestoringIcon    ${L} "Vraćanje podrazumevane ikone Korpe za otpatke ($IconValue) za $Who"
LangString RestoringName    ${L} "Vraćanje podrazumevanog imena Korpe za otpatke za $Who"
LangString BinName          ${L} "Korpa za otpatke"
LangString RestoringSound   ${L} "Vraćanje podrazumevanog zvuka „Pražnjenje korpe za otpatke“ za $Who"
LangString ClearingSound    ${L} "Uklanjanje zvuka „Pražnjenje korpe za otpatke“ za $Who (nije postavljen podrazumevani zvuk)"
LangString NotSignedIn1     ${L} "Nalozi koji sada nisu prijavljeni nisu vraćeni: ako je na nekom od njih primenjen"
LangString NotSignedIn2     ${L} "Kelvoro, njegova Korpa za otpatke zadržava ime „Kelvoro“ i ikone (prazne bez datoteka),"
LangString NotSignedIn3     ${L} "a „Pražnjenje korpe za otpatke“ ostaje bez zvuka. Kliknite na „Podrazumevano“ u programu"
LangString NotSignedIn4     ${L} "Kelvoro na tom nalogu pre deinstalacije ili posle nje u prenosnoj verziji."
LangString KeptForOther1    ${L} "Zadržano za drugi ${PRODUCT} u $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "zvuk „Pražnjenje korpe za otpatke“ i postavke ovog naloga"
!undef L

!define L ${LANG_CROATIAN}
LangString SetupCaption     ${L} "Instalacija programa ${PRODUCT}"
LangString UninstallCaption ${L} "Deinstalacija programa ${PRODUCT}"
LangString WhoThisAccount   ${L} "ovaj račun"
LangString WhoAccount       ${L} "račun $R0"
LangString WhoAll9x         ${L} "sve račune (klasa sustava Windows 95/98)"
LangString RestoringIcon    ${L} "Vraćanje zadane ikone Koša za smeće ($IconValue) za $Who"
LangString RestoringName    ${L} "Vraćanje zadanog naziva Koša za smeće za $Who"
LangString BinName          ${L} "Koš za smeće"
LangString RestoringSound   ${L} "Vraćanje zadanog zvuka „Pražnjenje koša za smeće“ za $Who"
LangString ClearingSound    ${L} "Uklanjanje zvuka „Pražnjenje koša za smeće“ za $Who (zadani zvuk nije postavljen)"
LangString NotSignedIn1     ${L} "Računi koji trenutačno nisu prijavljeni nisu vraćeni: ako je na nekom od njih primijenjen"
LangString NotSignedIn2     ${L} "Kelvoro, njegov Koš za smeće zadržava naziv „Kelvoro“ i ikone (prazne bez datoteka),"
LangString NotSignedIn3     ${L} "a „Pražnjenje koša za smeće“ ostaje bez zvuka. Kliknite „Vrati zadano“ u programu Kelvoro"
LangString NotSignedIn4     ${L} "na tom računu prije deinstalacije ili nakon nje u prijenosnoj verziji."
LangString KeptForOther1    ${L} "Zadržano za drugi ${PRODUCT} u $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "zvuk „Pražnjenje koša za smeće“ i postavke ovog računa"
!undef L

!define L ${LANG_SLOVENIAN}
LangString SetupCaption     ${L} "Namestitev programa ${PRODUCT}"
LangString UninstallCaption ${L} "Odstranitev programa ${PRODUCT}"
LangString WhoThisAccount   ${L} "ta račun"
LangString WhoAccount       ${L} "račun $R0"
LangString WhoAll9x         ${L} "vse račune (razred sistema Windows 95/98)"
LangString RestoringIcon    ${L} "Obnavljanje privzete ikone koša ($IconValue) za $Who"
LangString RestoringName    ${L} "Obnavljanje privzetega imena koša za $Who"
LangString BinName          ${L} "Koš"
LangString RestoringSound   ${L} "Obnavljanje privzetega zvoka „Izprazni koš“ za $Who"
LangString ClearingSound    ${L} "Odstranjevanje zvoka „Izprazni koš“ za $Who (privzeti zvok ni nastavljen)"
LangString NotSignedIn1     ${L} "Računi, ki zdaj niso prijavljeni, niso bili obnovljeni: če je bil v katerem od njih"
LangString NotSignedIn2     ${L} "uporabljen Kelvoro, njegov koš obdrži ime „Kelvoro“ in ikone (prazne brez datotek),"
LangString NotSignedIn3     ${L} "„Izprazni koš“ pa ostane brez zvoka. V tistem računu kliknite „Obnovi privzete“ v programu"
LangString NotSignedIn4     ${L} "Kelvoro pred odstranitvijo ali pozneje v prenosni različici."
LangString KeptForOther1    ${L} "Ohranjeno za drugi ${PRODUCT} v $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "zvok „Izprazni koš“ in nastavitve tega računa"
!undef L

!define L ${LANG_SLOVAK}
LangString SetupCaption     ${L} "Inštalácia programu ${PRODUCT}"
LangString UninstallCaption ${L} "Odinštalovanie programu ${PRODUCT}"
LangString WhoThisAccount   ${L} "toto konto"
LangString WhoAccount       ${L} "konto $R0"
LangString WhoAll9x         ${L} "všetky kontá (trieda systému Windows 95/98)"
LangString RestoringIcon    ${L} "Obnovuje sa predvolená ikona koša ($IconValue) pre $Who"
LangString RestoringName    ${L} "Obnovuje sa predvolený názov koša pre $Who"
LangString BinName          ${L} "Kôš"
LangString RestoringSound   ${L} "Obnovuje sa predvolený zvuk „Vyprázdniť kôš“ pre $Who"
LangString ClearingSound    ${L} "Odstraňuje sa zvuk „Vyprázdniť kôš“ pre $Who (nie je nastavený predvolený zvuk)"
LangString NotSignedIn1     ${L} "Kontá, ktoré teraz nie sú prihlásené, sa neobnovili: ak sa v niektorom z nich použil"
LangString NotSignedIn2     ${L} "Kelvoro, jeho kôš si ponechá názov „Kelvoro“ a ikony (prázdne bez súborov)"
LangString NotSignedIn3     ${L} "a „Vyprázdniť kôš“ zostane bez zvuku. V danom konte kliknite v programe Kelvoro na"
LangString NotSignedIn4     ${L} "„Obnoviť predvolené“ pred odinštalovaním alebo potom v prenosnej verzii."
LangString KeptForOther1    ${L} "Ponechané pre druhý ${PRODUCT} v $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "zvuk „Vyprázdniť kôš“ a nastavenia tohto konta"
!undef L

!define L ${LANG_CZECH}
LangString SetupCaption     ${L} "Instalace programu ${PRODUCT}"
LangString UninstallCaption ${L} "Odinstalace programu ${PRODUCT}"
LangString WhoThisAccount   ${L} "tento účet"
LangString WhoAccount       ${L} "účet $R0"
LangString WhoAll9x         ${L} "všechny účty (třída systému Windows 95/98)"
LangString RestoringIcon    ${L} "Obnovuje se výchozí ikona koše ($IconValue) pro $Who"
LangString RestoringName    ${L} "Obnovuje se výchozí název koše pro $Who"
LangString BinName          ${L} "Koš"
LangString RestoringSound   ${L} "Obnovuje se výchozí zvuk „Vysypat koš“ pro $Who"
LangString ClearingSound    ${L} "Odebírá se zvuk „Vysypat koš“ pro $Who (není nastaven žádný výchozí zvuk)"
LangString NotSignedIn1     ${L} "Účty, které nyní nejsou přihlášené, nebyly obnoveny: pokud byl v některém z nich použit"
LangString NotSignedIn2     ${L} "Kelvoro, jeho koš si ponechá název „Kelvoro“ a ikony (prázdné bez souborů)"
LangString NotSignedIn3     ${L} "a „Vysypat koš“ zůstane bez zvuku. V daném účtu klikněte v programu Kelvoro na"
LangString NotSignedIn4     ${L} "„Obnovit výchozí“ před odinstalací, nebo potom v přenosné verzi."
LangString KeptForOther1    ${L} "Ponecháno pro druhý ${PRODUCT} v $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "zvuk „Vysypat koš“ a nastavení tohoto účtu"
!undef L

!define L ${LANG_HUNGARIAN}
LangString SetupCaption     ${L} "${PRODUCT} telepítő"
LangString UninstallCaption ${L} "${PRODUCT} eltávolító"
LangString WhoThisAccount   ${L} "e fiók"
LangString WhoAccount       ${L} "a(z) $R0 fiók"
LangString WhoAll9x         ${L} "minden fiók (Windows 95/98 osztály)"
LangString RestoringIcon    ${L} "A Lomtár alapértelmezett ikonjának ($IconValue) visszaállítása $Who számára"
LangString RestoringName    ${L} "A Lomtár alapértelmezett nevének visszaállítása $Who számára"
LangString BinName          ${L} "Lomtár"
LangString RestoringSound   ${L} "Az alapértelmezett „Lomtár ürítése” hang visszaállítása $Who számára"
LangString ClearingSound    ${L} "A „Lomtár ürítése” hang törlése $Who számára (nincs beállítva alapértelmezett hang)"
LangString NotSignedIn1     ${L} "A most be nem jelentkezett fiókok nem lettek visszaállítva: ha valamelyikükben alkalmazták"
LangString NotSignedIn2     ${L} "a Kelvoro programot, a Lomtára megtartja a „Kelvoro” nevet és az ikonokat (üresek a fájlok nélkül),"
LangString NotSignedIn3     ${L} "a „Lomtár ürítése” pedig néma marad. Abban a fiókban kattintson a Kelvoro „Alapértékek”"
LangString NotSignedIn4     ${L} "gombjára az eltávolítás előtt, vagy utána a hordozható változatban."
LangString KeptForOther1    ${L} "Megtartva a(z) $OtherFolder mappában lévő másik ${PRODUCT} számára: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "a „Lomtár ürítése” hang és e fiók beállításai"
!undef L

!define L ${LANG_TRADCHINESE}
LangString SetupCaption     ${L} "${PRODUCT} 安裝程式"
LangString UninstallCaption ${L} "${PRODUCT} 解除安裝程式"
LangString WhoThisAccount   ${L} "此帳戶"
LangString WhoAccount       ${L} "帳戶 $R0 "
LangString WhoAll9x         ${L} "所有帳戶 (Windows 95/98 類別)"
LangString RestoringIcon    ${L} "正在為$Who還原預設的資源回收筒圖示 ($IconValue)"
LangString RestoringName    ${L} "正在為$Who還原預設的資源回收筒名稱"
LangString BinName          ${L} "資源回收筒"
LangString RestoringSound   ${L} "正在為$Who還原預設的「清理資源回收筒」音效"
LangString ClearingSound    ${L} "正在為$Who清除「清理資源回收筒」音效 (未設定預設音效)"
LangString NotSignedIn1     ${L} "目前未登入的帳戶未還原：如果其中某個帳戶套用過 Kelvoro，"
LangString NotSignedIn2     ${L} "其資源回收筒會保留 Kelvoro 名稱和圖示 (檔案刪除後顯示為空白)，"
LangString NotSignedIn3     ${L} "且「清理資源回收筒」沒有音效。請在解除安裝前於該帳戶中按一下 Kelvoro 的「還原預設值」，"
LangString NotSignedIn4     ${L} "或在解除安裝後使用可攜式版本執行此操作。"
LangString KeptForOther1    ${L} "已為 $OtherFolder 中的另一個 ${PRODUCT} 保留：$WINDIR\media\${WAV_NAME}、"
LangString KeptForOther2    ${L} "「清理資源回收筒」音效和此帳戶的設定"
!undef L

!define L ${LANG_PORTUGUESE}
LangString SetupCaption     ${L} "Instalação do ${PRODUCT}"
LangString UninstallCaption ${L} "Desinstalação do ${PRODUCT}"
LangString WhoThisAccount   ${L} "esta conta"
LangString WhoAccount       ${L} "a conta $R0"
LangString WhoAll9x         ${L} "todas as contas (classe do Windows 95/98)"
LangString RestoringIcon    ${L} "A restaurar o ícone predefinido da Reciclagem ($IconValue) para $Who"
LangString RestoringName    ${L} "A restaurar o nome predefinido da Reciclagem para $Who"
LangString BinName          ${L} "Reciclagem"
LangString RestoringSound   ${L} "A restaurar o som predefinido de «Esvaziar Reciclagem» para $Who"
LangString ClearingSound    ${L} "A remover o som de «Esvaziar Reciclagem» para $Who (não está definido nenhum som predefinido)"
LangString NotSignedIn1     ${L} "As contas sem sessão iniciada não foram restauradas: se uma delas aplicou o Kelvoro,"
LangString NotSignedIn2     ${L} "a Reciclagem dessa conta mantém o nome «Kelvoro» e os ícones (em branco sem os ficheiros),"
LangString NotSignedIn3     ${L} "e «Esvaziar Reciclagem» fica sem som. Nessa conta, clique em «Restaurar predefinições»"
LangString NotSignedIn4     ${L} "no Kelvoro antes de desinstalar, ou depois na versão portátil."
LangString KeptForOther1    ${L} "Mantidos para o outro ${PRODUCT} em $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "o som de «Esvaziar Reciclagem» e as definições desta conta"
!undef L

!define L ${LANG_DUTCH}
LangString SetupCaption     ${L} "Installatie van ${PRODUCT}"
LangString UninstallCaption ${L} "Verwijderen van ${PRODUCT}"
LangString WhoThisAccount   ${L} "dit account"
LangString WhoAccount       ${L} "account $R0"
LangString WhoAll9x         ${L} "alle accounts (klasse van Windows 95/98)"
LangString RestoringIcon    ${L} "Standaardpictogram van de Prullenbak ($IconValue) herstellen voor $Who"
LangString RestoringName    ${L} "Standaardnaam van de Prullenbak herstellen voor $Who"
LangString BinName          ${L} "Prullenbak"
LangString RestoringSound   ${L} "Standaardgeluid voor ‘Prullenbak leegmaken’ herstellen voor $Who"
LangString ClearingSound    ${L} "Geluid voor ‘Prullenbak leegmaken’ wissen voor $Who (geen standaardgeluid ingesteld)"
LangString NotSignedIn1     ${L} "Accounts die nu niet zijn aangemeld, zijn niet hersteld. Heeft een daarvan Kelvoro"
LangString NotSignedIn2     ${L} "toegepast, dan houdt de Prullenbak de naam ‘Kelvoro’ en de pictogrammen (leeg zonder"
LangString NotSignedIn3     ${L} "de bestanden) en blijft ‘Prullenbak leegmaken’ stil. Klik in dat account vooraf in"
LangString NotSignedIn4     ${L} "Kelvoro op ‘Standaardwaarden’, of na het verwijderen in de draagbare versie."
LangString KeptForOther1    ${L} "Behouden voor de andere ${PRODUCT} in $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "het geluid voor ‘Prullenbak leegmaken’ en de instellingen van dit account"
!undef L

!define L ${LANG_SWEDISH}
LangString SetupCaption     ${L} "Installation av ${PRODUCT}"
LangString UninstallCaption ${L} "Avinstallation av ${PRODUCT}"
LangString WhoThisAccount   ${L} "det här kontot"
LangString WhoAccount       ${L} "kontot $R0"
LangString WhoAll9x         ${L} "alla konton (klassen för Windows 95/98)"
LangString RestoringIcon    ${L} "Återställer standardikonen för Papperskorgen ($IconValue) för $Who"
LangString RestoringName    ${L} "Återställer standardnamnet för Papperskorgen för $Who"
LangString BinName          ${L} "Papperskorgen"
LangString RestoringSound   ${L} "Återställer standardljudet för ”Töm papperskorgen” för $Who"
LangString ClearingSound    ${L} "Tar bort ljudet för ”Töm papperskorgen” för $Who (inget standardljud har angetts)"
LangString NotSignedIn1     ${L} "Konton som inte är inloggade nu återställdes inte: om något av dem har använt"
LangString NotSignedIn2     ${L} "Kelvoro, behåller dess Papperskorg namnet ”Kelvoro” och ikonerna (tomma när filerna"
LangString NotSignedIn3     ${L} "är borta), och ”Töm papperskorgen” blir tyst. Klicka på ”Återställ standard” i"
LangString NotSignedIn4     ${L} "Kelvoro i det kontot före avinstallationen, eller efteråt i den portabla versionen."
LangString KeptForOther1    ${L} "Behålls för den andra ${PRODUCT} i $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "ljudet för ”Töm papperskorgen” och det här kontots inställningar"
!undef L

!define L ${LANG_DANISH}
LangString SetupCaption     ${L} "Installation af ${PRODUCT}"
LangString UninstallCaption ${L} "Afinstallation af ${PRODUCT}"
LangString WhoThisAccount   ${L} "denne konto"
LangString WhoAccount       ${L} "kontoen $R0"
LangString WhoAll9x         ${L} "alle konti (klassen for Windows 95/98)"
LangString RestoringIcon    ${L} "Gendanner standardikonet for Papirkurv ($IconValue) for $Who"
LangString RestoringName    ${L} "Gendanner standardnavnet for Papirkurv for $Who"
LangString BinName          ${L} "Papirkurv"
LangString RestoringSound   ${L} "Gendanner standardlyden for »Tøm papirkurven« for $Who"
LangString ClearingSound    ${L} "Fjerner lyden for »Tøm papirkurven« for $Who (der er ikke angivet nogen standardlyd)"
LangString NotSignedIn1     ${L} "Konti, der ikke er logget på nu, blev ikke gendannet: Hvis en af dem har anvendt"
LangString NotSignedIn2     ${L} "Kelvoro, beholder dens Papirkurv navnet »Kelvoro« og ikonerne (tomme uden filerne),"
LangString NotSignedIn3     ${L} "og »Tøm papirkurven« er uden lyd. Klik på »Gendan standard« i Kelvoro i den konto"
LangString NotSignedIn4     ${L} "før afinstallationen, eller bagefter i den portable version."
LangString KeptForOther1    ${L} "Bevaret for den anden ${PRODUCT} i $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "lyden for »Tøm papirkurven« og denne kontos indstillinger"
!undef L

!define L ${LANG_NORWEGIAN}
LangString SetupCaption     ${L} "Installasjon av ${PRODUCT}"
LangString UninstallCaption ${L} "Avinstallering av ${PRODUCT}"
LangString WhoThisAccount   ${L} "denne kontoen"
LangString WhoAccount       ${L} "kontoen $R0"
LangString WhoAll9x         ${L} "alle kontoer (klassen for Windows 95/98)"
LangString RestoringIcon    ${L} "Gjenoppretter standardikonet for Papirkurv ($IconValue) for $Who"
LangString RestoringName    ${L} "Gjenoppretter standardnavnet for Papirkurv for $Who"
LangString BinName          ${L} "Papirkurv"
LangString RestoringSound   ${L} "Gjenoppretter standardlyden for «Tøm papirkurven» for $Who"
LangString ClearingSound    ${L} "Fjerner lyden for «Tøm papirkurven» for $Who (ingen standardlyd er angitt)"
LangString NotSignedIn1     ${L} "Kontoer som ikke er pålogget nå, ble ikke gjenopprettet: Hvis en av dem har brukt"
LangString NotSignedIn2     ${L} "Kelvoro, beholder Papirkurv der navnet «Kelvoro» og ikonene (tomme uten filene),"
LangString NotSignedIn3     ${L} "og «Tøm papirkurven» er uten lyd. Klikk «Gjenopprett standard» i Kelvoro i den kontoen"
LangString NotSignedIn4     ${L} "før avinstalleringen, eller etterpå i den portable versjonen."
LangString KeptForOther1    ${L} "Beholdt for den andre ${PRODUCT} i $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "lyden for «Tøm papirkurven» og innstillingene for denne kontoen"
!undef L

!define L ${LANG_FINNISH}
LangString SetupCaption     ${L} "${PRODUCT} -asennus"
LangString UninstallCaption ${L} "${PRODUCT} -asennuksen poisto"
LangString WhoThisAccount   ${L} "tämä tili"
LangString WhoAccount       ${L} "tili $R0"
LangString WhoAll9x         ${L} "kaikki tilit (Windows 95/98 -luokka)"
LangString RestoringIcon    ${L} "Palautetaan Roskakorin oletuskuvake ($IconValue), kohde: $Who"
LangString RestoringName    ${L} "Palautetaan Roskakorin oletusnimi, kohde: $Who"
LangString BinName          ${L} "Roskakori"
LangString RestoringSound   ${L} "Palautetaan ”Tyhjennä roskakori” -oletusääni, kohde: $Who"
LangString ClearingSound    ${L} "Poistetaan ”Tyhjennä roskakori” -ääni, kohde: $Who (oletusääntä ei ole määritetty)"
LangString NotSignedIn1     ${L} "Tilejä, jotka eivät ole nyt kirjautuneina, ei palautettu: jos jokin niistä käytti"
LangString NotSignedIn2     ${L} "Kelvoroa, sen Roskakori säilyttää nimen ”Kelvoro” ja kuvakkeet (tyhjinä ilman"
LangString NotSignedIn3     ${L} "tiedostoja), ja ”Tyhjennä roskakori” on äänetön. Valitse kyseisellä tilillä Kelvorossa"
LangString NotSignedIn4     ${L} "”Palauta oletukset” ennen asennuksen poistoa tai sen jälkeen siirrettävässä versiossa."
LangString KeptForOther1    ${L} "Säilytetty toiselle ${PRODUCT} -ohjelmalle kansiossa $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "”Tyhjennä roskakori” -ääni ja tämän tilin asetukset"
!undef L

!define L ${LANG_ESTONIAN}
LangString SetupCaption     ${L} "${PRODUCT} installimine"
LangString UninstallCaption ${L} "${PRODUCT} desinstallimine"
LangString WhoThisAccount   ${L} "selle konto"
LangString WhoAccount       ${L} "konto $R0"
LangString WhoAll9x         ${L} "kõigi kontode (Windows 95/98 klass)"
LangString RestoringIcon    ${L} "Prügikasti vaikeikooni ($IconValue) taastamine $Who jaoks"
LangString RestoringName    ${L} "Prügikasti vaikenime taastamine $Who jaoks"
LangString BinName          ${L} "Prügikast"
LangString RestoringSound   ${L} "Heli „Tühjenda prügikast“ vaikeväärtuse taastamine $Who jaoks"
LangString ClearingSound    ${L} "Heli „Tühjenda prügikast“ eemaldamine $Who jaoks (vaikeheli pole määratud)"
LangString NotSignedIn1     ${L} "Kontosid, mis pole praegu sisse logitud, ei taastatud: kui mõnes neist rakendati"
LangString NotSignedIn2     ${L} "Kelvoro, jäävad selle Prügikastile nimi „Kelvoro“ ja ikoonid (tühjad, kui faile pole)"
LangString NotSignedIn3     ${L} "ning „Tühjenda prügikast“ on hääletu. Klõpsake selles kontos Kelvoros enne"
LangString NotSignedIn4     ${L} "desinstallimist nuppu „Taasta vaikesätted“ või pärast seda kaasaskantavas versioonis."
LangString KeptForOther1    ${L} "Säilitatud teise ${PRODUCT} jaoks kaustas $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "heli „Tühjenda prügikast“ ja selle konto sätted"
!undef L

!define L ${LANG_LATVIAN}
LangString SetupCaption     ${L} "${PRODUCT} instalēšana"
LangString UninstallCaption ${L} "${PRODUCT} atinstalēšana"
LangString WhoThisAccount   ${L} "šim kontam"
LangString WhoAccount       ${L} "kontam $R0"
LangString WhoAll9x         ${L} "visiem kontiem (Windows 95/98 klase)"
LangString RestoringIcon    ${L} "Atjauno Atkritnes noklusējuma ikonu ($IconValue) $Who"
LangString RestoringName    ${L} "Atjauno Atkritnes noklusējuma nosaukumu $Who"
LangString BinName          ${L} "Atkritne"
LangString RestoringSound   ${L} "Atjauno skaņas „Iztukšot atkritni“ noklusējumu $Who"
LangString ClearingSound    ${L} "Notīra skaņu „Iztukšot atkritni“ $Who (noklusējuma skaņa nav iestatīta)"
LangString NotSignedIn1     ${L} "Konti, kuros pašlaik nav pierakstīšanās, netika atjaunoti: ja kādā no tiem lietots"
LangString NotSignedIn2     ${L} "Kelvoro, tā Atkritne saglabā nosaukumu „Kelvoro“ un ikonas (tukšas bez failiem),"
LangString NotSignedIn3     ${L} "un „Iztukšot atkritni“ ir bez skaņas. Šajā kontā pirms atinstalēšanas programmā"
LangString NotSignedIn4     ${L} "Kelvoro noklikšķiniet uz „Atjaunot noklusējumus“ vai pēc tam pārnēsājamajā versijā."
LangString KeptForOther1    ${L} "Saglabāts otrai ${PRODUCT} mapē $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "skaņa „Iztukšot atkritni“ un šī konta iestatījumi"
!undef L

!define L ${LANG_LITHUANIAN}
LangString SetupCaption     ${L} "${PRODUCT} diegimas"
LangString UninstallCaption ${L} "${PRODUCT} šalinimas"
LangString WhoThisAccount   ${L} "šiai paskyrai"
LangString WhoAccount       ${L} "paskyrai $R0"
LangString WhoAll9x         ${L} "visoms paskyroms (Windows 95/98 klasė)"
LangString RestoringIcon    ${L} "Atkuriama numatytoji šiukšlinės piktograma ($IconValue) $Who"
LangString RestoringName    ${L} "Atkuriamas numatytasis šiukšlinės pavadinimas $Who"
LangString BinName          ${L} "Šiukšlinė"
LangString RestoringSound   ${L} "Atkuriamas numatytasis garsas „Ištuštinti šiukšlinę“ $Who"
LangString ClearingSound    ${L} "Išvalomas garsas „Ištuštinti šiukšlinę“ $Who (numatytasis garsas nenustatytas)"
LangString NotSignedIn1     ${L} "Paskyros, kuriose dabar neprisijungta, neatkurtos: jei kurioje nors iš jų pritaikyta"
LangString NotSignedIn2     ${L} "Kelvoro, jos šiukšlinė išlaiko pavadinimą „Kelvoro“ ir piktogramas (tuščias be failų),"
LangString NotSignedIn3     ${L} "o „Ištuštinti šiukšlinę“ lieka be garso. Toje paskyroje prieš šalinimą spustelėkite"
LangString NotSignedIn4     ${L} "„Atkurti numatytuosius“ programoje Kelvoro arba po šalinimo nešiojamojoje versijoje."
LangString KeptForOther1    ${L} "Palikta kitai ${PRODUCT} aplanke $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "garsas „Ištuštinti šiukšlinę“ ir šios paskyros parametrai"
!undef L

!define L ${LANG_ROMANIAN}
LangString SetupCaption     ${L} "Instalare ${PRODUCT}"
LangString UninstallCaption ${L} "Dezinstalare ${PRODUCT}"
LangString WhoThisAccount   ${L} "acest cont"
LangString WhoAccount       ${L} "contul $R0"
LangString WhoAll9x         ${L} "toate conturile (clasa Windows 95/98)"
LangString RestoringIcon    ${L} "Restabilirea pictogramei implicite a Coșului de reciclare ($IconValue) pentru $Who"
LangString RestoringName    ${L} "Restabilirea numelui implicit al Coșului de reciclare pentru $Who"
LangString BinName          ${L} "Coș de reciclare"
LangString RestoringSound   ${L} "Restabilirea sunetului implicit „Golire Coș de reciclare” pentru $Who"
LangString ClearingSound    ${L} "Eliminarea sunetului „Golire Coș de reciclare” pentru $Who (nu este setat niciun sunet implicit)"
LangString NotSignedIn1     ${L} "Conturile care nu sunt conectate acum nu au fost restabilite: dacă unul dintre ele a aplicat"
LangString NotSignedIn2     ${L} "Kelvoro, Coșul său de reciclare păstrează numele „Kelvoro” și pictogramele (goale fără"
LangString NotSignedIn3     ${L} "fișiere), iar „Golire Coș de reciclare” rămâne fără sunet. În acel cont, faceți clic pe"
LangString NotSignedIn4     ${L} "„Valori implicite” în Kelvoro înainte de dezinstalare sau după aceea, în versiunea portabilă."
LangString KeptForOther1    ${L} "Păstrate pentru celălalt ${PRODUCT} din $OtherFolder: $WINDIR\media\${WAV_NAME},"
LangString KeptForOther2    ${L} "sunetul „Golire Coș de reciclare” și setările acestui cont"
!undef L
