<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>BlockAccess</name>
    <message>
        <source>Data are not valid.</source>
        <translation>Dane są nieprawidłowe.</translation>
    </message>
    <message>
        <source>No block selected!</source>
        <translation>Nie wybrano bloku!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Sposób użycia: %1 [opcje]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetl tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetl wersję i zakończ.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>Użyj &apos;%1 --help&apos;, aby wyświetlić opcje.</translation>
    </message>
    <message>
        <source>Tests and configures the Tagorix handheld data collector over a serial port.</source>
        <translation>Testuje i konfiguruje przenośny kolektor danych Tagorix przez port szeregowy.</translation>
    </message>
    <message>
        <source>Select this port at start: COM1 to COM16, or 1 to 16.</source>
        <translation>Wybierz ten port przy uruchomieniu: COM1 do COM16 lub 1 do 16.</translation>
    </message>
    <message>
        <source>--port takes COM1 to COM16 (or 1 to 16), not &apos;%1&apos;</source>
        <translation>--port przyjmuje COM1 do COM16 (lub 1 do 16), a nie &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>connecting...</source>
        <translation>łączenie...</translation>
    </message>
    <message>
        <source>initialising...</source>
        <translation>inicjalizacja...</translation>
    </message>
    <message>
        <source>The device had not answered the connection yet, so the connection was started again. Wait until %1 reads &quot;%2&quot; before you start a read-out or a load.</source>
        <translation>Urządzenie nie odpowiedziało jeszcze na uzgadnianie połączenia, więc połączenie nawiązano ponownie. Przed rozpoczęciem odczytu lub wczytywania należy poczekać, aż przycisk %1 pokaże „%2”.</translation>
    </message>
    <message>
        <source>Check the device and its cable, then press %1 again.</source>
        <translation>Należy sprawdzić urządzenie i jego kabel, a następnie ponownie nacisnąć %1.</translation>
    </message>
</context>
<context>
    <name>CustomCodes</name>
    <message>
        <source>Dataset %1</source>
        <extracomment>Progress of the load: the line of the custom-code file being sent</extracomment>
        <translation>Zestaw danych %1</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>%1 Lines acknowledged by the device: %2. Lines refused or not answered: %3.</source>
        <translation>%1 Wiersze potwierdzone przez urządzenie: %2. Wiersze odrzucone lub bez odpowiedzi: %3.</translation>
    </message>
    <message>
        <source>The load of custom codes was cut short: the device had acknowledged 1 line.</source>
        <translation>Wczytywanie kodów własnych zostało przerwane: urządzenie potwierdziło 1 wiersz.</translation>
    </message>
    <message numerus="yes">
        <source>The load of custom codes was cut short: the device had acknowledged %1 lines.</source>
        <translation>
            <numerusform>Wczytywanie kodów własnych zostało przerwane: urządzenie potwierdziło %1 wiersz.</numerusform>
            <numerusform>Wczytywanie kodów własnych zostało przerwane: urządzenie potwierdziło %1 wiersze.</numerusform>
            <numerusform>Wczytywanie kodów własnych zostało przerwane: urządzenie potwierdziło %1 wierszy.</numerusform>
        </translation>
    </message>
    <message>
        <source>Whether it stored line %1, sent last, is unknown.</source>
        <translation>Nie wiadomo, czy zapisało wiersz %1, wysłany jako ostatni.</translation>
    </message>
    <message>
        <source>The device has sent no record for 5 seconds.</source>
        <translation>Urządzenie od 5 sekund nie wysłało żadnego rekordu.</translation>
    </message>
    <message>
        <source>The device did not say how many records it holds: the records file is unchanged.</source>
        <translation>Urządzenie nie podało, ile rekordów zawiera: plik rekordów pozostał bez zmian.</translation>
    </message>
    <message>
        <source>There are no records present.</source>
        <translation>Brak rekordów.</translation>
    </message>
    <message>
        <source>The read-out of records was cut short before the device said how many it holds: the records file is unchanged.</source>
        <translation>Odczyt rekordów został przerwany, zanim urządzenie podało ich liczbę: plik rekordów pozostał bez zmian.</translation>
    </message>
    <message>
        <source>The read-out of records was cut short: %1 of the %2 records the device announced are in the file.</source>
        <translation>Odczyt rekordów został przerwany: w pliku jest %1 z %2 rekordów zapowiedzianych przez urządzenie.</translation>
    </message>
    <message>
        <source>The device answered &quot;Error&quot;.</source>
        <translation>Urządzenie odpowiedziało „Error”.</translation>
    </message>
    <message>
        <source>Transfer of records finished.</source>
        <translation>Przesyłanie rekordów zakończone.</translation>
    </message>
    <message>
        <source>The load of custom codes stopped: the device reported &quot;Memory full&quot; at line %1. The lines after it were not sent.</source>
        <translation>Wczytywanie kodów własnych zostało zatrzymane: urządzenie zgłosiło „Memory full” w wierszu %1. Kolejne wiersze nie zostały wysłane.</translation>
    </message>
    <message>
        <source>The load of custom codes stopped: the device did not answer line %1, sent %2 times. The lines after it were not sent.</source>
        <translation>Wczytywanie kodów własnych zostało zatrzymane: urządzenie nie odpowiedziało na wiersz %1, wysłany %2 razy. Kolejne wiersze nie zostały wysłane.</translation>
    </message>
    <message>
        <source>The load of custom codes reached the end of the file, but the device did not store every line.</source>
        <translation>Wczytywanie kodów własnych dotarło do końca pliku, ale urządzenie nie zapisało wszystkich wierszy.</translation>
    </message>
</context>
<context>
    <name>DeviceText</name>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (brak)</translation>
    </message>
    <message>
        <source>%1 (now %2)</source>
        <translation>%1 (obecnie %2)</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial port.</source>
        <translation>%1 jest folderem, a nie portem szeregowym.</translation>
    </message>
    <message>
        <source>%1 is not a device, so it cannot be a serial port.</source>
        <translation>%1 nie jest plikiem urządzenia, więc nie może być portem szeregowym.</translation>
    </message>
    <message>
        <source>%1 is a memory device, not a serial port.</source>
        <translation>%1 jest urządzeniem pamięci, a nie portem szeregowym.</translation>
    </message>
    <message>
        <source>%1 is a file, not a serial port.</source>
        <translation>%1 jest plikiem, a nie portem szeregowym.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>Wybrano Anuluj.</translation>
    </message>
    <message>
        <source>Operation valid only when the port is open</source>
        <translation>Operacja dozwolona tylko przy otwartym porcie</translation>
    </message>
</context>
<context>
    <name>FilePaths</name>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Select CSV file for opening</source>
        <translation>Wybierz plik CSV do otwarcia</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Select CSV file for saving</source>
        <translation>Wybierz plik CSV do zapisu</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Port</source>
        <translation>Port szeregowy</translation>
    </message>
    <message>
        <source>ID or barcode</source>
        <translation>ID lub kod kreskowy</translation>
    </message>
    <message>
        <source>Display line</source>
        <extracomment>The line of the device&apos;s display that the text goes to</extracomment>
        <translation>Wiersz ekranu</translation>
    </message>
    <message>
        <source>Display text</source>
        <translation>Tekst na ekranie</translation>
    </message>
    <message>
        <source>Statistic result</source>
        <translation>Wynik statystyki</translation>
    </message>
    <message>
        <source>Choose the file to save in</source>
        <translation>Wybierz plik docelowy</translation>
    </message>
    <message>
        <source>Choose the file to read from</source>
        <translation>Wybierz plik źródłowy</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Dane wyjściowe</translation>
    </message>
    <message>
        <source>Read ID</source>
        <translation>Odczytaj ID</translation>
    </message>
    <message>
        <source>Scan barcode</source>
        <translation>Skanuj kod</translation>
    </message>
    <message>
        <source>read continously</source>
        <translation>odczyt ciągły</translation>
    </message>
    <message>
        <source>Read text block</source>
        <translation>Odczytaj tekst</translation>
    </message>
    <message>
        <source>Write text block</source>
        <translation>Zapisz tekst</translation>
    </message>
    <message>
        <source>Content:</source>
        <extracomment>The text to write into the transponder block</extracomment>
        <translation>Treść:</translation>
    </message>
    <message>
        <source>Daten als Text</source>
        <extracomment>Tool tip of the field whose text is written into the block</extracomment>
        <translation>Dane do zapisu jako tekst</translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Block numbers: the first block read or written</extracomment>
        <translation>od</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Block numbers: the last block read</extracomment>
        <translation>do</translation>
    </message>
    <message>
        <source>Read Hex</source>
        <translation>Odczytaj hex</translation>
    </message>
    <message>
        <source>Key:</source>
        <extracomment>The transponder&apos;s key, 12 hexadecimal digits</extracomment>
        <translation>Klucz:</translation>
    </message>
    <message>
        <source>Write Hex</source>
        <translation>Zapisz hex</translation>
    </message>
    <message>
        <source>Key A</source>
        <extracomment>Which of the transponder&apos;s two keys the key is</extracomment>
        <translation>Klucz A</translation>
    </message>
    <message>
        <source>Key B</source>
        <translation>Klucz B</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Brzęczyk</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Clear Display</source>
        <translation>Wyczyść ekran</translation>
    </message>
    <message>
        <source>Show text</source>
        <translation>Pokaż tekst</translation>
    </message>
    <message>
        <source>PC-Time:</source>
        <translation>Czas PC:</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>Ustaw czas</translation>
    </message>
    <message>
        <source>Transponder:</source>
        <translation>Transponder:</translation>
    </message>
    <message>
        <source>Set tag type</source>
        <translation>Ustaw typ</translation>
    </message>
    <message>
        <source>Switch off time:</source>
        <translation>Wyłączenie po:</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>Unit after the switch-off time: seconds</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>Check box: the device never switches itself off</extracomment>
        <translation>nigdy</translation>
    </message>
    <message>
        <source>Set switch off time</source>
        <translation>Ustaw wyłączenie</translation>
    </message>
    <message>
        <source>read timeout:</source>
        <translation>Limit odczytu:</translation>
    </message>
    <message>
        <source>x 50ms</source>
        <extracomment>Unit after the read time-out: steps of 50 milliseconds</extracomment>
        <translation>x 50 ms</translation>
    </message>
    <message>
        <source>Set timeout</source>
        <translation>Ustaw limit</translation>
    </message>
    <message>
        <source>FDX Code:</source>
        <translation>Kod FDX:</translation>
    </message>
    <message>
        <source>Set FDX code</source>
        <translation>Ustaw kod FDX</translation>
    </message>
    <message>
        <source>Enable buzzer </source>
        <extracomment>Check box; keep the space at the end</extracomment>
        <translation>Włącz brzęczyk </translation>
    </message>
    <message>
        <source>Set enable buzzer</source>
        <translation>Ustaw brzęczyk</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Tryb pracy:</translation>
    </message>
    <message>
        <source>Set mode</source>
        <translation>Ustaw tryb</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>Set language</source>
        <translation>Ustaw język</translation>
    </message>
    <message>
        <source>Menu config</source>
        <extracomment>Frame around the function keys the device&apos;s menu offers</extracomment>
        <translation>Funkcje menu</translation>
    </message>
    <message>
        <source>F%1 function</source>
        <extracomment>%1 is the number of the function key (F1 to F8)</extracomment>
        <translation>Funkcja F%1</translation>
    </message>
    <message>
        <source>Set menu</source>
        <translation>Ustaw menu</translation>
    </message>
    <message>
        <source>Register:</source>
        <extracomment>A register of the barcode scanner engine</extracomment>
        <translation>Rejestr:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Wartość:</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>Reads the scanner register</extracomment>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Writes the scanner register</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Read out records</source>
        <translation>Odczytaj rekordy</translation>
    </message>
    <message>
        <source>save in:</source>
        <extracomment>The records file the read-out writes</extracomment>
        <translation>Zapisz w:</translation>
    </message>
    <message>
        <source>Erase records</source>
        <translation>Usuń rekordy</translation>
    </message>
    <message>
        <source>Load custom codes</source>
        <translation>Wczytaj kody własne</translation>
    </message>
    <message>
        <source>read from:</source>
        <extracomment>The custom-code file the load reads</extracomment>
        <translation>Czytaj z:</translation>
    </message>
    <message>
        <source>Erase custom codes</source>
        <translation>Usuń kody własne</translation>
    </message>
    <message>
        <source>Read out custom codes</source>
        <translation>Odczytaj kody własne</translation>
    </message>
    <message>
        <source>Statistic</source>
        <extracomment>Asks the device how many custom codes and records it holds</extracomment>
        <translation>Statystyka</translation>
    </message>
    <message>
        <source>Port devices</source>
        <extracomment>Button beside the port list</extracomment>
        <translation>Urządzenia portu</translation>
    </message>
    <message>
        <source>Choose the device that the selected port opens</source>
        <translation>Wybierz urządzenie, które otwiera wybrany port</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Power:</source>
        <extracomment>Caption of the battery bar</extracomment>
        <translation>Bateria:</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Połączono</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
</context>
<context>
    <name>OutputBox</name>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Zapisz jako…</translation>
    </message>
</context>
<context>
    <name>PageActions</name>
    <message>
        <source>Do you really want to delete all data?</source>
        <translation>Czy na pewno usunąć wszystkie dane?</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Title of the question before erasing</extracomment>
        <translation>Usuwanie</translation>
    </message>
</context>
<context>
    <name>PortAdvice</name>
    <message>
        <source>A port name can also be given any device in the section [Ports] of the settings file %1, for example COM1=/dev/ttyUSB0.</source>
        <translation>Nazwie portu można też przypisać dowolne urządzenie w sekcji [Ports] pliku ustawień %1, na przykład COM1=/dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>Choose a port in the list, then press Connect again.</source>
        <extracomment>&quot;Connect&quot;: the window&apos;s button of that name.</extracomment>
        <translation>Należy wybrać port z listy, a następnie ponownie nacisnąć Połącz.</translation>
    </message>
    <message>
        <source>This user account may not use the port. Add it to the group that owns the device (dialout on Debian, for example: sudo usermod -aG dialout $USER), then log out and log in again so that the new group takes effect.</source>
        <translation>To konto użytkownika nie ma uprawnień do tego portu. Należy dodać je do grupy, do której należy urządzenie (w Debianie dialout, na przykład: sudo usermod -aG dialout $USER), a następnie wylogować się i zalogować ponownie, aby nowa grupa zaczęła obowiązywać.</translation>
    </message>
    <message>
        <source>No device is attached under this port&apos;s name. Plug the device in, or choose the port it is attached to.</source>
        <translation>Pod nazwą tego portu nie jest podłączone żadne urządzenie. Należy podłączyć urządzenie lub wybrać port, do którego jest podłączone.</translation>
    </message>
    <message>
        <source>Another program is using this port. Close that program, or choose another port.</source>
        <translation>Ten port jest używany przez inny program. Należy zamknąć ten program lub wybrać inny port.</translation>
    </message>
    <message>
        <source>Another program is using this port: it is in use by %1. Close that program, or choose another port.</source>
        <translation>Ten port jest używany przez inny program: zajmuje go %1. Należy zamknąć ten program lub wybrać inny port.</translation>
    </message>
    <message>
        <source>The device under this port&apos;s name is not a serial port. Choose another port.</source>
        <translation>Urządzenie pod nazwą tego portu nie jest portem szeregowym. Należy wybrać inny port.</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
</context>
<context>
    <name>PortAssignment</name>
    <message>
        <source>Assign a device to %1...</source>
        <translation>Przypisz urządzenie do %1...</translation>
    </message>
    <message>
        <source>Assign a device...</source>
        <translation>Przypisz urządzenie...</translation>
    </message>
    <message>
        <source>%1, opens %2</source>
        <translation>%1, otwiera %2</translation>
    </message>
    <message>
        <source>Show the serial devices of this computer, to choose the one %1 opens?</source>
        <translation>Wyświetlić urządzenia szeregowe tego komputera, aby wybrać to, które otwiera %1?</translation>
    </message>
    <message>
        <source>Opens %1</source>
        <translation>Otwiera %1</translation>
    </message>
</context>
<context>
    <name>PortAssignmentDialog</name>
    <message>
        <source>Device for %1</source>
        <translation>Urządzenie dla %1</translation>
    </message>
    <message>
        <source>Serial devices of this computer:</source>
        <translation>Urządzenia szeregowe tego komputera:</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Assigned to</source>
        <translation>Przypisane do</translation>
    </message>
    <message>
        <source>Stable name</source>
        <translation>Stała nazwa</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>USB id</source>
        <translation>ID USB</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>Ś&amp;cieżka:</translation>
    </message>
    <message>
        <source>a listed device, or any other: /dev/pts/3, /dev/rfcomm0</source>
        <translation>urządzenie z listy lub inne: /dev/pts/3, /dev/rfcomm0</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Przeglądaj...</translation>
    </message>
    <message>
        <source>&amp;Assign to %1</source>
        <translation>Przypisz &amp;do %1</translation>
    </message>
    <message>
        <source>Use &amp;default</source>
        <translation>Użyj &amp;domyślnego</translation>
    </message>
    <message>
        <source>%1 opens %2</source>
        <translation>%1 otwiera %2</translation>
    </message>
    <message>
        <source>%1 opens the default %2</source>
        <translation>%1 otwiera domyślne %2</translation>
    </message>
</context>
<context>
    <name>QtSerialPort</name>
    <message>
        <source>Port already open</source>
        <translation>Port jest już otwarty</translation>
    </message>
    <message>
        <source>the device took no data for 2 seconds</source>
        <translation>urządzenie nie przyjmowało danych przez 2 sekundy</translation>
    </message>
    <message>
        <source>the port reports that the device is gone (unplugged, switched off, or its line hung up). The system says: %1</source>
        <translation>port zgłasza, że urządzenie zniknęło (odłączone, wyłączone lub z rozłączoną linią). System podaje: %1</translation>
    </message>
    <message>
        <source>the port reports that the device is gone (unplugged, switched off, or its line hung up)</source>
        <translation>port zgłasza, że urządzenie zniknęło (odłączone, wyłączone lub z rozłączoną linią)</translation>
    </message>
    <message>
        <source>The connection to the device was lost: %1.</source>
        <translation>Utracono połączenie z urządzeniem: %1.</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>The settings could not be saved in %1.</source>
        <translation>Nie można zapisać ustawień w %1.</translation>
    </message>
</context>
<context>
    <name>SelectionLists</name>
    <message>
        <source>0 - read only</source>
        <translation>0 - tylko odczyt</translation>
    </message>
    <message>
        <source>1 - read write</source>
        <translation>1 - odczyt/zapis</translation>
    </message>
    <message>
        <source>2 - ro with number</source>
        <translation>2 - odczyt z nr</translation>
    </message>
    <message>
        <source>3 - HitagS rw</source>
        <translation>3 - HitagS R/W</translation>
    </message>
    <message>
        <source>0 - All</source>
        <translation>0 - Wszystkie</translation>
    </message>
    <message>
        <source>1 - Hexadecimal</source>
        <translation>1 - Szesnastkowy</translation>
    </message>
    <message>
        <source>2 - ISO animal</source>
        <translation>2 - ISO zwierzęta</translation>
    </message>
    <message>
        <source>3 - ISO industry</source>
        <translation>3 - ISO przemysł</translation>
    </message>
    <message>
        <source>6 - Hex Invers</source>
        <translation>6 - Hex odwrotny</translation>
    </message>
    <message>
        <source>7 - Decimal</source>
        <translation>7 - Dziesiętny</translation>
    </message>
    <message>
        <source>8 - Hex bytewise invers</source>
        <translation>8 - Hex odwrotny bajtami</translation>
    </message>
    <message>
        <source>0 - German</source>
        <translation>0 - Niemiecki</translation>
    </message>
    <message>
        <source>1 - English</source>
        <translation>1 - Angielski</translation>
    </message>
    <message>
        <source>2 - French</source>
        <translation>2 - Francuski</translation>
    </message>
    <message>
        <source>3 - Polski</source>
        <translation>3 - Polski</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Sterowanie</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Kod kreskowy</translation>
    </message>
    <message>
        <source>Data exchange</source>
        <translation>Wymiana danych</translation>
    </message>
    <message>
        <source>001 - UPC-A enable (0/1)</source>
        <translation>001 - Włącz UPC-A (0/1)</translation>
    </message>
    <message>
        <source>002 - UPC-E enable (0/1)</source>
        <translation>002 - Włącz UPC-E (0/1)</translation>
    </message>
    <message>
        <source>012 - UPC-E1 enable (0/1)</source>
        <translation>012 - Włącz UPC-E1 (0/1)</translation>
    </message>
    <message>
        <source>003 - EAN-13 enable (0/1)</source>
        <translation>003 - Włącz EAN-13 (0/1)</translation>
    </message>
    <message>
        <source>004 - EAN-8 enable (0/1)</source>
        <translation>004 - Włącz EAN-8 (0/1)</translation>
    </message>
    <message>
        <source>083 - Bookland EAN enable (0/1)</source>
        <translation>083 - Włącz Bookland EAN (0/1)</translation>
    </message>
    <message>
        <source>016 - Decode UPC/EAN supplementals (0...2)</source>
        <translation>016 - Dekoduj uzupełnienia UPC/EAN (0...2)</translation>
    </message>
    <message>
        <source>080 - Decode UPC/EAN supplemantel redundancy (2...20)</source>
        <translation>080 - Nadmiarowość uzupełnień UPC/EAN (2...20)</translation>
    </message>
    <message>
        <source>040 - UPC-A check digit enable (0/1)</source>
        <translation>040 - Włącz cyfrę kontrolną UPC-A (0/1)</translation>
    </message>
    <message>
        <source>041 - UPC-E check digit enable (0/1)</source>
        <translation>041 - Włącz cyfrę kontrolną UPC-E (0/1)</translation>
    </message>
    <message>
        <source>042 - UPC-E1 check digit enable (0/1)</source>
        <translation>042 - Włącz cyfrę kontrolną UPC-E1 (0/1)</translation>
    </message>
    <message>
        <source>034 - UPC-A Preamble (0...2)</source>
        <translation>034 - Preambuła UPC-A (0...2)</translation>
    </message>
    <message>
        <source>035 - UPC-E Preamble (0...2)</source>
        <translation>035 - Preambuła UPC-E (0...2)</translation>
    </message>
    <message>
        <source>036 - UPC-E1 Preamble (0...2)</source>
        <translation>036 - Preambuła UPC-E1 (0...2)</translation>
    </message>
    <message>
        <source>037 - Convert UPC-E to UPC-A enable (0/1)</source>
        <translation>037 - Włącz konwersję UPC-E na UPC-A (0/1)</translation>
    </message>
    <message>
        <source>038 - Convert UPC-E1 to UPC-A enable (0/1)</source>
        <translation>038 - Włącz konwersję UPC-E1 na UPC-A (0/1)</translation>
    </message>
    <message>
        <source>039 - EAN-8 zero-extend enable (0/1)</source>
        <translation>039 - Włącz uzupełnianie EAN-8 zerami (0/1)</translation>
    </message>
    <message>
        <source>224 - Convert EAN-8 to EAN-13 enable (0/1)</source>
        <translation>224 - Włącz konwersję EAN-8 na EAN-13 (0/1)</translation>
    </message>
    <message>
        <source>077 - UPC/EAN security level (0...3)</source>
        <translation>077 - Poziom bezpieczeństwa UPC/EAN (0...3)</translation>
    </message>
    <message>
        <source>085 - UPC/EAN Coupon code enable (0/1)</source>
        <translation>085 - Włącz kod kuponu UPC/EAN (0/1)</translation>
    </message>
    <message>
        <source>008 - USS-128 enable (0/1)</source>
        <translation>008 - Włącz USS-128 (0/1)</translation>
    </message>
    <message>
        <source>014 - UCC/EAN-128 enable (0/1)</source>
        <translation>014 - Włącz UCC/EAN-128 (0/1)</translation>
    </message>
    <message>
        <source>084 - ISBT 128 enable (0/1)</source>
        <translation>084 - Włącz ISBT 128 (0/1)</translation>
    </message>
    <message>
        <source>000 - Code 39 enable (0/1)</source>
        <translation>000 - Włącz Code 39 (0/1)</translation>
    </message>
    <message>
        <source>013 - Trioptic Code 39 enable (0/1)</source>
        <translation>013 - Włącz Trioptic Code 39 (0/1)</translation>
    </message>
    <message>
        <source>086 - Convert Code 39 to Code 32 enable (0/1)</source>
        <translation>086 - Włącz konwersję Code 39 na Code 32 (0/1)</translation>
    </message>
    <message>
        <source>231 - Code 32 prefix enable (0/1)</source>
        <translation>231 - Włącz prefiks Code 32 (0/1)</translation>
    </message>
    <message>
        <source>018 - Set Length for Code 39 L1 (0...255)</source>
        <translation>018 - Długość L1 dla Code 39 (0...255)</translation>
    </message>
    <message>
        <source>019 - Set Length for Code 39 L2 (0...255)</source>
        <translation>019 - Długość L2 dla Code 39 (0...255)</translation>
    </message>
    <message>
        <source>048 - Code 39 Check Digit verification enable (0/1)</source>
        <translation>048 - Włącz weryfikację cyfry kontrolnej Code 39 (0/1)</translation>
    </message>
    <message>
        <source>043 - Code 39 Check Digit enable (0/1)</source>
        <translation>043 - Włącz cyfrę kontrolną Code 39 (0/1)</translation>
    </message>
    <message>
        <source>017 - Code 39 Full ASCII conversion enable (0/1)</source>
        <translation>017 - Włącz konwersję Code 39 na Full ASCII (0/1)</translation>
    </message>
    <message>
        <source>009 - Code 93 enable (0/1)</source>
        <translation>009 - Włącz Code 93 (0/1)</translation>
    </message>
    <message>
        <source>026 - Set Length for Code 93 L1 (0...255)</source>
        <translation>026 - Długość L1 dla Code 93 (0...255)</translation>
    </message>
    <message>
        <source>027 - Set Length for Code 93 L2 (0...255)</source>
        <translation>027 - Długość L2 dla Code 93 (0...255)</translation>
    </message>
    <message>
        <source>006 - Interleaved 2of5 enable (0/1)</source>
        <translation>006 - Włącz Interleaved 2of5 (0/1)</translation>
    </message>
    <message>
        <source>022 - Set Length for Interleaved 2of5 L1 (0...255)</source>
        <translation>022 - Długość L1 dla Interleaved 2of5 (0...255)</translation>
    </message>
    <message>
        <source>023 - Set Length for Interleaved 2of5 L2 (0...255)</source>
        <translation>023 - Długość L2 dla Interleaved 2of5 (0...255)</translation>
    </message>
    <message>
        <source>049 - Interleaved 2of5 Check Digit verification enable (0/1)</source>
        <translation>049 - Włącz weryfikację cyfry kontrolnej Interleaved 2of5 (0/1)</translation>
    </message>
    <message>
        <source>044 - Interleaved 2of5 Check Digit enable (0/1)</source>
        <translation>044 - Włącz cyfrę kontrolną Interleaved 2of5 (0/1)</translation>
    </message>
    <message>
        <source>082 - Convert Interleaved 2of5 to EAN-13 enable (0/1)</source>
        <translation>082 - Włącz konwersję Interleaved 2of5 na EAN-13 (0/1)</translation>
    </message>
    <message>
        <source>005 - Discrete 2of5 enable (0/1)</source>
        <translation>005 - Włącz Discrete 2of5 (0/1)</translation>
    </message>
    <message>
        <source>020 - Set Length for Discrete 2of5 L1 (0...255)</source>
        <translation>020 - Długość L1 dla Discrete 2of5 (0...255)</translation>
    </message>
    <message>
        <source>021 - Set Length for Discrete 2of5 L2 (0...255)</source>
        <translation>021 - Długość L2 dla Discrete 2of5 (0...255)</translation>
    </message>
    <message>
        <source>007 - Codabar enable (0/1)</source>
        <translation>007 - Włącz Codabar (0/1)</translation>
    </message>
    <message>
        <source>024 - Set Length for Codabar L1 (0...255)</source>
        <translation>024 - Długość L1 dla Codabar (0...255)</translation>
    </message>
    <message>
        <source>025 - Set Length for Codabar L2 (0...255)</source>
        <translation>025 - Długość L2 dla Codabar (0...255)</translation>
    </message>
    <message>
        <source>054 - CLSI editing enable (0/1)</source>
        <translation>054 - Włącz edycję CLSI (0/1)</translation>
    </message>
    <message>
        <source>055 - NOTIS editing (0/1)</source>
        <translation>055 - Edycja NOTIS (0/1)</translation>
    </message>
    <message>
        <source>011 - MSI Plessey enable (0/1)</source>
        <translation>011 - Włącz MSI Plessey (0/1)</translation>
    </message>
    <message>
        <source>030 - Set Length for MSI Plessey L1 (0...255)</source>
        <translation>030 - Długość L1 dla MSI Plessey (0...255)</translation>
    </message>
    <message>
        <source>031 - Set Length for MSI Plessey L2 (0...255)</source>
        <translation>031 - Długość L2 dla MSI Plessey (0...255)</translation>
    </message>
    <message>
        <source>050 - MSI Plessey Check Digits (1/2)</source>
        <translation>050 - Cyfry kontrolne MSI Plessey (1/2)</translation>
    </message>
    <message>
        <source>046 - MSI Plessey Check Digit enable (0/1)</source>
        <translation>046 - Włącz cyfrę kontrolną MSI Plessey (0/1)</translation>
    </message>
    <message>
        <source>051 - MSI Plessey Check Digit algorithm (0/1)</source>
        <translation>051 - Algorytm cyfry kontrolnej MSI Plessey (0/1)</translation>
    </message>
    <message>
        <source>191 - Scan angle (100/75/60/45)</source>
        <translation>191 - Kąt skanowania (100/75/60/45)</translation>
    </message>
</context>
<context>
    <name>SequentialFile</name>
    <message>
        <source>Path/File access error: %1 is not a regular file (a named pipe, a socket or a device)</source>
        <translation>Błąd dostępu do ścieżki/pliku: %1 nie jest zwykłym plikiem (to potok nazwany, gniazdo lub urządzenie)</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nieprawidłowa nazwa lub numer pliku</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Błąd dostępu do ścieżki/pliku: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>Nie można zapisać do %1: %2</translation>
    </message>
    <message>
        <source>Bad file name: no file name given</source>
        <translation>Nieprawidłowa nazwa pliku: nie podano nazwy</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Nie znaleziono ścieżki: %1</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Nie znaleziono pliku: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is a folder</source>
        <translation>Błąd dostępu do ścieżki/pliku: %1 jest folderem</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>Odmowa dostępu: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot read from %1: %2</source>
        <translation>Nie można odczytać z %1: %2</translation>
    </message>
    <message>
        <source>Cannot put %1 on the disk: %2</source>
        <translation>Nie można zapisać %1 na dysku: %2</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 przyjmuje %2, a nie &apos;%3&apos;</translation>
    </message>
    <message>
        <source>a transponder type from 0 to 11</source>
        <translation>typ transpondera od 0 do 11</translation>
    </message>
    <message>
        <source>a whole number of seconds, or never</source>
        <extracomment>&quot;never&quot; is the value as the user types it: keep it in English.</extracomment>
        <translation>liczbę całkowitą sekund lub never</translation>
    </message>
    <message>
        <source>a whole number of 50 ms steps</source>
        <translation>liczbę całkowitą kroków po 50 ms</translation>
    </message>
    <message>
        <source>an FDX code format from 1 to 8</source>
        <translation>format kodu FDX od 1 do 8</translation>
    </message>
    <message>
        <source>0 (off) or 1 (on)</source>
        <translation>0 (wył.) lub 1 (wł.)</translation>
    </message>
    <message>
        <source>an operating mode from 0 to 3</source>
        <translation>tryb pracy od 0 do 3</translation>
    </message>
    <message>
        <source>the sum of its menu keys F1 = 1, F2 = 2, F3 = 4, F4 = 8 and F5 = 16, from 0 to 31</source>
        <translation>sumę klawiszy menu F1 = 1, F2 = 2, F3 = 4, F4 = 8 i F5 = 16, od 0 do 31</translation>
    </message>
    <message>
        <source>a language from 0 to 3</source>
        <translation>język od 0 do 3</translation>
    </message>
    <message>
        <source>nothing: the device reports it</source>
        <translation>nic: wartość podaje urządzenie</translation>
    </message>
    <message>
        <source>now, or a time dd.mm.yyyy hh:mm</source>
        <extracomment>&quot;now&quot; is the value as the user types it: keep it in English. The time&apos;s digits stand in that order, with the dot, the blank and the colon.</extracomment>
        <translation>now lub czas dd.mm.rrrr gg:mm</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Custom codes: %1, records: %2</source>
        <translation>Kody własne: %1, rekordy: %2</translation>
    </message>
</context>
</TS>
