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

Var Who
Var IconValue

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
