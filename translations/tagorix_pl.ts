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
    <name>CommandHelp</name>
    <message>
        <source>Usage: %1</source>
        <translation>Sposób użycia: %1</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Ustawienia:</translation>
    </message>
    <message>
        <source>Prints the settings as the device reports them, one name=value line each, then its battery level and how many custom codes and records it holds. What it prints of one port is a profile for set --from.</source>
        <translation>Wypisuje ustawienia tak, jak podaje je urządzenie, każde w wierszu name=value, a następnie poziom baterii oraz liczbę kodów własnych i rekordów w urządzeniu. To, co wypisuje dla jednego portu, jest profilem dla set --from.</translation>
    </message>
    <message>
        <source>Checks each value, sends each setting, each after the device has answered the one before, then asks for each setting changed and fails if the device refused it or it did not take.</source>
        <translation>Sprawdza każdą wartość, wysyła każde ustawienie, każde po odpowiedzi urządzenia na poprzednie, następnie odpytuje każde zmienione ustawienie i kończy się błędem, jeśli urządzenie je odrzuciło lub nie przyjęło.</translation>
    </message>
    <message>
        <source>--from FILE  the profile to apply: name=value lines as info prints them</source>
        <translation>--from FILE  profil do zastosowania: wiersze name=value w postaci wypisywanej przez info</translation>
    </message>
    <message>
        <source>Reads the device&apos;s records into FILE (- for standard output), through FILE.partial until the read-out is complete. {port}, {date} and {time} in FILE stand for the port and the start of the run.</source>
        <translation>Odczytuje rekordy urządzenia do FILE (- oznacza standardowe wyjście), przez FILE.partial, aż odczyt będzie kompletny. {port}, {date} i {time} w FILE oznaczają port i początek uruchomienia.</translation>
    </message>
    <message>
        <source>--erase  once every record is on disk, erase the records on the device</source>
        <translation>--erase  gdy wszystkie rekordy są na dysku, usuń rekordy z urządzenia</translation>
    </message>
    <message>
        <source>Erases the records on the device (&quot;DEL E&quot;), done when it answers &quot;Ok&quot;.</source>
        <translation>Usuwa rekordy z urządzenia („DEL E”); gotowe, gdy odpowie „Ok”.</translation>
    </message>
    <message>
        <source>--yes  confirms the erase</source>
        <translation>--yes  potwierdza usuwanie</translation>
    </message>
    <message>
        <source>Loads the custom codes of FILE (fields separated by &quot;;&quot;, one data set a line) into the device, line by line, each acknowledged.</source>
        <translation>Wczytuje kody własne z FILE (pola rozdzielone „;”, jeden zestaw danych w wierszu) do urządzenia, wiersz po wierszu, każdy potwierdzony.</translation>
    </message>
    <message>
        <source>Writes the custom codes the device holds into FILE (standard output without it) in the form load-codes reads, so that a backup loads back as it was.</source>
        <translation>Zapisuje kody własne z urządzenia do FILE (bez FILE na standardowe wyjście) w postaci czytanej przez load-codes, tak aby kopię zapasową można było wczytać z powrotem bez zmian.</translation>
    </message>
    <message>
        <source>Erases the custom codes on the device (&quot;DEL T&quot;), done when it answers &quot;Ok&quot;.</source>
        <translation>Usuwa kody własne z urządzenia („DEL T”); gotowe, gdy odpowie „Ok”.</translation>
    </message>
    <message>
        <source>Reads one transponder&apos;s identifier, within --wait seconds.</source>
        <translation>Odczytuje identyfikator jednego transpondera w ciągu --wait sekund.</translation>
    </message>
    <message>
        <source>Scans one barcode, within --wait seconds.</source>
        <translation>Skanuje jeden kod kreskowy w ciągu --wait sekund.</translation>
    </message>
    <message>
        <source>Prints every line the device sends, until Ctrl-C.</source>
        <translation>Wypisuje każdy wiersz wysłany przez urządzenie, aż do Ctrl+C.</translation>
    </message>
    <message>
        <source>Sends TEXT as one command line, as typed, and prints every line that comes back until the device is quiet for --quiet-time milliseconds.</source>
        <translation>Wysyła TEXT tak, jak wpisano, jako jeden wiersz polecenia i wypisuje każdy zwrócony wiersz, aż urządzenie zamilknie na --quiet-time milisekund.</translation>
    </message>
    <message>
        <source>--quiet-time MS  how long the device may be quiet before the answer counts as whole (default 500)</source>
        <translation>--quiet-time MS  jak długo urządzenie może milczeć, zanim odpowiedź zostanie uznana za pełną (domyślnie 500)</translation>
    </message>
    <message>
        <source>Lists the ports: what each COMn opens, the serial devices present with their stable name, USB vendor, product and serial number, and which are held, by which program.</source>
        <translation>Wyświetla porty: co otwiera każdy COMn, obecne urządzenia szeregowe z ich stałą nazwą, producentem, produktem i numerem seryjnym USB oraz które są zajęte i przez jaki program.</translation>
    </message>
    <message>
        <source>Shows the help of a command, or of the program.</source>
        <translation>Wyświetla pomoc polecenia lub programu.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Polecenia:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; shows a command&apos;s help; %2 has the rest and the exit statuses.</source>
        <translation>&apos;%1&apos; wyświetla pomoc polecenia; %2 zawiera resztę i kody wyjścia.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>The options of every command: %1.</source>
        <translation>Opcje wszystkich poleceń: %1.</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Przykład:</translation>
    </message>
    <message>
        <source>(did you mean &apos;%1&apos;?)</source>
        <translation>(czy chodziło o &apos;%1&apos;?)</translation>
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
    <name>PortListing</name>
    <message>
        <source>, held by %1</source>
        <translation>, zajęty przez %1</translation>
    </message>
    <message>
        <source>Ports (as mapped in %1):</source>
        <translation>Porty (według przypisań w %1):</translation>
    </message>
    <message>
        <source> (default)</source>
        <translation> (domyślnie)</translation>
    </message>
    <message>
        <source>, not present</source>
        <translation>, brak</translation>
    </message>
    <message>
        <source>, now %1</source>
        <translation>, obecnie %1</translation>
    </message>
    <message>
        <source>No serial device is present.</source>
        <translation>Brak urządzeń szeregowych.</translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation>Obecne urządzenia szeregowe:</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numer seryjny %1</translation>
    </message>
</context>
<context>
    <name>PortRun</name>
    <message>
        <source>terminated.</source>
        <translation>zakończono.</translation>
    </message>
    <message>
        <source>hung up.</source>
        <translation>rozłączono terminal.</translation>
    </message>
    <message>
        <source>interrupted.</source>
        <translation>przerwano.</translation>
    </message>
    <message>
        <source>1 record in %2</source>
        <translation>1 rekord w %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 records in %2</source>
        <translation>
            <numerusform>%1 rekord w %2</numerusform>
            <numerusform>%1 rekordy w %2</numerusform>
            <numerusform>%1 rekordów w %2</numerusform>
        </translation>
    </message>
    <message>
        <source>records %1/%2</source>
        <extracomment>Progress of a read-out: one word, then the records written and announced.</extracomment>
        <translation>rekordy %1/%2</translation>
    </message>
    <message>
        <source>codes %1/%2</source>
        <extracomment>Progress of a load: one word, then the line being sent and the file&apos;s lines.</extracomment>
        <translation>kody %1/%2</translation>
    </message>
    <message>
        <source>line %1 is empty: sent as an empty code</source>
        <translation>wiersz %1 jest pusty: wysłano go jako pusty kod</translation>
    </message>
    <message>
        <source>the device answered &quot;%1&quot; when asked for its %2 (%3).</source>
        <translation>urządzenie odpowiedziało „%1” na zapytanie o %2 (%3).</translation>
    </message>
    <message>
        <source>the device did not report all its settings.</source>
        <translation>urządzenie nie podało wszystkich ustawień.</translation>
    </message>
    <message>
        <source>the device did not say how many records it holds.</source>
        <translation>urządzenie nie podało, ile rekordów zawiera.</translation>
    </message>
    <message>
        <source>records erased</source>
        <translation>rekordy usunięte</translation>
    </message>
    <message>
        <source>custom codes erased</source>
        <translation>kody własne usunięte</translation>
    </message>
    <message>
        <source>no such command</source>
        <translation>nie ma takiego polecenia</translation>
    </message>
    <message>
        <source>read at %1 from %2</source>
        <translation>odczytano %1 z %2</translation>
    </message>
    <message>
        <source>read at %1</source>
        <translation>odczytano %1</translation>
    </message>
    <message>
        <source>the device refused %1: it answered &quot;%2&quot;.</source>
        <translation>urządzenie odrzuciło %1: odpowiedziało „%2”.</translation>
    </message>
    <message>
        <source>the device did not answer %1.</source>
        <translation>urządzenie nie odpowiedziało na %1.</translation>
    </message>
    <message>
        <source>did not take %1 (the device reports %2)</source>
        <translation>nie przyjęto %1 (urządzenie podaje %2)</translation>
    </message>
    <message>
        <source>1 setting set and read back</source>
        <translation>1 ustawienie ustawione i odczytane ponownie</translation>
    </message>
    <message numerus="yes">
        <source>%1 settings set and read back</source>
        <translation>
            <numerusform>%1 ustawienie ustawione i odczytane ponownie</numerusform>
            <numerusform>%1 ustawienia ustawione i odczytane ponownie</numerusform>
            <numerusform>%1 ustawień ustawionych i odczytanych ponownie</numerusform>
        </translation>
    </message>
    <message>
        <source>no records on the device</source>
        <translation>brak rekordów w urządzeniu</translation>
    </message>
    <message>
        <source>%1 holds %2 records, not the %3 the device announced.</source>
        <translation>liczba rekordów w %1 to %2 zamiast %3 zapowiedzianych przez urządzenie.</translation>
    </message>
    <message>
        <source>standard output</source>
        <extracomment>Where the records went: the place in &quot;%1 records in %2&quot;.</extracomment>
        <translation>standardowym wyjściu</translation>
    </message>
    <message>
        <source>The records read are in %1.</source>
        <translation>Odczytane rekordy są w %1.</translation>
    </message>
    <message>
        <source>%1, not erased: %2</source>
        <translation>%1, nie usunięto: %2</translation>
    </message>
    <message>
        <source>the device now holds %1 records.</source>
        <translation>liczba rekordów w urządzeniu wynosi teraz %1.</translation>
    </message>
    <message>
        <source>%1, erased on the device</source>
        <translation>%1, usunięte z urządzenia</translation>
    </message>
    <message>
        <source>%1 %2 of the %3 records the device announced are in %4.</source>
        <translation>%1 W %4 jest %2 z %3 rekordów zapowiedzianych przez urządzenie.</translation>
    </message>
    <message>
        <source>1 line of custom codes loaded from %2</source>
        <translation>wczytano 1 wiersz kodów własnych z %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines of custom codes loaded from %2</source>
        <translation>
            <numerusform>wczytano %1 wiersz kodów własnych z %2</numerusform>
            <numerusform>wczytano %1 wiersze kodów własnych z %2</numerusform>
            <numerusform>wczytano %1 wierszy kodów własnych z %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the device did not say how many custom codes it holds.</source>
        <translation>urządzenie nie podało, ile kodów własnych zawiera.</translation>
    </message>
    <message>
        <source>the device sent %1 of the %2 custom codes it holds; %3 could not be seen (an empty code comes as an empty line).</source>
        <translation>urządzenie wysłało %1 z %2 zawartych w nim kodów własnych; nie udało się odczytać %3 (pusty kod przychodzi jako pusty wiersz).</translation>
    </message>
    <message>
        <source>the device sent %1 of the %2 custom codes it holds in %3; %4 could not be seen (an empty code comes as an empty line).</source>
        <translation>urządzenie wysłało do %3 %1 z %2 zawartych w nim kodów własnych; nie udało się odczytać %4 (pusty kod przychodzi jako pusty wiersz).</translation>
    </message>
    <message>
        <source>1 custom code</source>
        <translation>1 kod własny</translation>
    </message>
    <message numerus="yes">
        <source>%1 custom codes</source>
        <translation>
            <numerusform>%1 kod własny</numerusform>
            <numerusform>%1 kody własne</numerusform>
            <numerusform>%1 kodów własnych</numerusform>
        </translation>
    </message>
    <message>
        <source>1 custom code in %2</source>
        <translation>1 kod własny w %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 custom codes in %2</source>
        <translation>
            <numerusform>%1 kod własny w %2</numerusform>
            <numerusform>%1 kody własne w %2</numerusform>
            <numerusform>%1 kodów własnych w %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the device answered &quot;%1&quot; to the erase.</source>
        <translation>urządzenie odpowiedziało „%1” na usuwanie.</translation>
    </message>
    <message>
        <source>the device did not answer the erase.</source>
        <translation>urządzenie nie odpowiedziało na usuwanie.</translation>
    </message>
    <message>
        <source>the device sent nothing within %1 s.</source>
        <translation>urządzenie nic nie wysłało w ciągu %1 s.</translation>
    </message>
    <message>
        <source>monitor ended</source>
        <translation>monitor zakończony</translation>
    </message>
    <message>
        <source>1 line came back</source>
        <translation>wrócił 1 wiersz</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines came back</source>
        <translation>
            <numerusform>wrócił %1 wiersz</numerusform>
            <numerusform>wróciły %1 wiersze</numerusform>
            <numerusform>wróciło %1 wierszy</numerusform>
        </translation>
    </message>
    <message>
        <source>the port closed.</source>
        <translation>port został zamknięty.</translation>
    </message>
    <message>
        <source>the device did not answer within %1 s.</source>
        <translation>urządzenie nie odpowiedziało w ciągu %1 s.</translation>
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
    <name>RecordsTarget</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
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
    <name>SettingChange</name>
    <message>
        <source>&apos;%1&apos; is not name=value</source>
        <translation>&apos;%1&apos; nie ma postaci nazwa=wartość</translation>
    </message>
    <message>
        <source>%1 is reported by the device and cannot be set</source>
        <translation>%1 podaje urządzenie, nie można tego ustawić</translation>
    </message>
    <message>
        <source>no setting &apos;%1&apos;</source>
        <translation>brak ustawienia &apos;%1&apos;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
</context>
<context>
    <name>Shelf</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>nie można zapisać na standardowe wyjście: %1</translation>
    </message>
    <message>
        <source>the write failed</source>
        <translation>zapis nie powiódł się</translation>
    </message>
    <message>
        <source>%1 ports at work</source>
        <translation>porty w pracy: %1</translation>
    </message>
    <message>
        <source>%1 ports: %2 %3/%4</source>
        <translation>porty: %1, %2 %3/%4</translation>
    </message>
</context>
<context>
    <name>ShelfRequest</name>
    <message>
        <source>it is UTF-16; save it as UTF-8</source>
        <translation>jest w UTF-16; należy zapisać go w UTF-8</translation>
    </message>
    <message>
        <source>it holds NUL bytes</source>
        <translation>zawiera bajty NUL</translation>
    </message>
    <message>
        <source>it is not UTF-8</source>
        <translation>nie jest w UTF-8</translation>
    </message>
    <message>
        <source>cannot write %1: the folder %2 does not exist</source>
        <translation>nie można zapisać %1: folder %2 nie istnieje</translation>
    </message>
    <message>
        <source>cannot write %1: the folder %2 cannot be written</source>
        <translation>nie można zapisać %1: nie można zapisywać w folderze %2</translation>
    </message>
    <message>
        <source>Runs one command on one or more Tagorix data collectors at once, from scripts.</source>
        <translation>Wykonuje jedno polecenie na jednym lub kilku kolektorach danych Tagorix jednocześnie, ze skryptów.</translation>
    </message>
    <message>
        <source>The port: COM1 to COM255 or 1 to 255 (as the window names them), or a device path. Give it more than once, or as COM1,COM2, to run on several ports at the same time.</source>
        <translation>Port: COM1 do COM255 lub 1 do 255 (jak w oknie) albo ścieżka urządzenia. Podany kilka razy lub jako COM1,COM2 uruchamia polecenie na kilku portach jednocześnie.</translation>
    </message>
    <message>
        <source>One JSON object per port.</source>
        <translation>Jeden obiekt JSON na port.</translation>
    </message>
    <message>
        <source>No progress on the terminal.</source>
        <translation>Bez postępu w terminalu.</translation>
    </message>
    <message>
        <source>How long the device may take to answer the connection, an identifier or a barcode (default 10).</source>
        <translation>Ile czasu urządzenie ma na odpowiedź na uzgadnianie połączenia, identyfikator lub kod kreskowy (domyślnie 10).</translation>
    </message>
    <message>
        <source>Every line on the wire, both ways, with the time, on standard error.</source>
        <translation>Każdy wiersz na linii, w obu kierunkach, z czasem, na standardowym wyjściu błędów.</translation>
    </message>
    <message>
        <source>send: how long the device may be quiet before its answer counts as whole (default 500).</source>
        <translation>send: jak długo urządzenie może milczeć, zanim jego odpowiedź zostanie uznana za pełną (domyślnie 500).</translation>
    </message>
    <message>
        <source>Confirms an erase.</source>
        <translation>Potwierdza usuwanie.</translation>
    </message>
    <message>
        <source>read-records: once every record is on disk, erase the records on the device.</source>
        <translation>read-records: gdy wszystkie rekordy są na dysku, usuń rekordy z urządzenia.</translation>
    </message>
    <message>
        <source>set: the profile to apply.</source>
        <translation>set: profil do zastosowania.</translation>
    </message>
    <message>
        <source>no command &apos;%1&apos;</source>
        <translation>brak polecenia &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nie podano polecenia</translation>
    </message>
    <message>
        <source>--wait takes a whole number of seconds from 1 to %1, not &apos;%2&apos;</source>
        <translation>--wait przyjmuje liczbę całkowitą sekund od 1 do %1, a nie &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--quiet-time takes a whole number of milliseconds from 1 to %1, not &apos;%2&apos;</source>
        <translation>--quiet-time przyjmuje liczbę całkowitą milisekund od 1 do %1, a nie &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--quiet-time belongs to send</source>
        <translation>--quiet-time dotyczy polecenia send</translation>
    </message>
    <message>
        <source>ports takes no port and no argument: it lists them all</source>
        <translation>ports nie przyjmuje portu ani argumentu: wyświetla wszystkie</translation>
    </message>
    <message>
        <source>--port takes COM1 to COM255, 1 to 255 or a device path, not &apos;%1&apos;</source>
        <translation>--port przyjmuje COM1 do COM255, 1 do 255 lub ścieżkę urządzenia, a nie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 podano dwukrotnie</translation>
    </message>
    <message>
        <source>%1 and %2 are the same device</source>
        <translation>%1 i %2 to to samo urządzenie</translation>
    </message>
    <message>
        <source>--yes belongs to erase-records and erase-codes</source>
        <translation>--yes dotyczy poleceń erase-records i erase-codes</translation>
    </message>
    <message>
        <source>%1 erases the device&apos;s store: add --yes to do it</source>
        <translation>%1 usuwa zawartość pamięci urządzenia: aby to zrobić, należy dodać --yes</translation>
    </message>
    <message>
        <source>--from belongs to set</source>
        <translation>--from dotyczy polecenia set</translation>
    </message>
    <message>
        <source>--erase belongs to read-records</source>
        <translation>--erase dotyczy polecenia read-records</translation>
    </message>
    <message>
        <source>set takes either --from FILE or NAME=VALUE, not both</source>
        <translation>set przyjmuje albo --from FILE, albo NAME=VALUE, nie oba naraz</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a text file: %2</source>
        <translation>%1 nie jest plikiem tekstowym: %2</translation>
    </message>
    <message>
        <source>set has nothing to set</source>
        <translation>set nie ma nic do ustawienia</translation>
    </message>
    <message>
        <source>%1 takes one file</source>
        <translation>%1 przyjmuje jeden plik</translation>
    </message>
    <message>
        <source>%1 takes a file name, not an empty one</source>
        <translation>%1 przyjmuje nazwę pliku, a nie pustą nazwę</translation>
    </message>
    <message>
        <source>load-codes reads a file, not standard input</source>
        <translation>load-codes czyta plik, a nie standardowe wejście</translation>
    </message>
    <message>
        <source>--erase needs a file: the records leave the device only once they are on disk</source>
        <translation>--erase wymaga pliku: rekordy opuszczają urządzenie dopiero wtedy, gdy są na dysku</translation>
    </message>
    <message>
        <source>with several ports, the file name needs {port}, e.g. records-{port}.csv</source>
        <translation>przy kilku portach nazwa pliku musi zawierać {port}, np. records-{port}.csv</translation>
    </message>
    <message>
        <source>send takes one command line, in quotes when it has blanks</source>
        <translation>send przyjmuje jeden wiersz polecenia, w cudzysłowie, jeśli zawiera spacje</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot read %1: there is no such file</source>
        <translation>nie można odczytać %1: taki plik nie istnieje</translation>
    </message>
    <message>
        <source>cannot read %1: it is not a file (a folder, a pipe or a device)</source>
        <translation>nie można odczytać %1: to nie jest plik (to folder, potok lub urządzenie)</translation>
    </message>
    <message>
        <source>cannot read %1: this user may not read it</source>
        <translation>nie można odczytać %1: ten użytkownik nie ma prawa go odczytać</translation>
    </message>
    <message>
        <source>%1 is too large for a profile</source>
        <translation>%1 jest zbyt duży jak na profil</translation>
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
