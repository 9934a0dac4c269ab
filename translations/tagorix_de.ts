<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BlockAccess</name>
    <message>
        <source>Data are not valid.</source>
        <translation>Die Daten sind ungültig.</translation>
    </message>
    <message>
        <source>No block selected!</source>
        <translation>Kein Block ausgewählt!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>CommandHelp</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Einstellungen:</translation>
    </message>
    <message>
        <source>Prints the settings as the device reports them, one name=value line each, then its battery level and how many custom codes and records it holds. What it prints of one port is a profile for set --from.</source>
        <translation>Gibt die Einstellungen aus, wie das Gerät sie meldet, je eine Zeile name=value, dann seinen Akkustand und wie viele Kundencodes und Erfassungen es enthält. Was der Befehl für einen Port ausgibt, ist ein Profil für set --from.</translation>
    </message>
    <message>
        <source>Checks each value, sends each setting, each after the device has answered the one before, then asks for each setting changed and fails if the device refused it or it did not take.</source>
        <translation>Prüft jeden Wert, sendet jede Einstellung, jede erst, nachdem das Gerät die vorige beantwortet hat, fragt dann jede geänderte Einstellung ab und schlägt fehl, wenn das Gerät sie abgelehnt oder nicht übernommen hat.</translation>
    </message>
    <message>
        <source>--from FILE  the profile to apply: name=value lines as info prints them</source>
        <translation>--from FILE  das anzuwendende Profil: Zeilen name=value, wie info sie ausgibt</translation>
    </message>
    <message>
        <source>Reads the device&apos;s records into FILE (- for standard output), through FILE.partial until the read-out is complete. {port}, {date} and {time} in FILE stand for the port and the start of the run.</source>
        <translation>Liest die Erfassungen des Geräts in FILE (- für die Standardausgabe), über FILE.partial, bis das Auslesen vollständig ist. {port}, {date} und {time} in FILE stehen für den Port und den Beginn des Laufs.</translation>
    </message>
    <message>
        <source>--erase  once every record is on disk, erase the records on the device</source>
        <translation>--erase  sobald jede Erfassung auf dem Datenträger ist, die Erfassungen auf dem Gerät löschen</translation>
    </message>
    <message>
        <source>Erases the records on the device (&quot;DEL E&quot;), done when it answers &quot;Ok&quot;.</source>
        <translation>Löscht die Erfassungen auf dem Gerät („DEL E“); erledigt, wenn es mit „Ok“ antwortet.</translation>
    </message>
    <message>
        <source>--yes  confirms the erase</source>
        <translation>--yes  bestätigt das Löschen</translation>
    </message>
    <message>
        <source>Loads the custom codes of FILE (fields separated by &quot;;&quot;, one data set a line) into the device, line by line, each acknowledged.</source>
        <translation>Lädt die Kundencodes aus FILE (Felder durch „;“ getrennt, ein Datensatz je Zeile) Zeile für Zeile in das Gerät, jede bestätigt.</translation>
    </message>
    <message>
        <source>Writes the custom codes the device holds into FILE (standard output without it) in the form load-codes reads, so that a backup loads back as it was.</source>
        <translation>Schreibt die Kundencodes des Geräts in FILE (ohne FILE in die Standardausgabe), in der Form, die load-codes liest, sodass eine Sicherung unverändert zurückgeladen werden kann.</translation>
    </message>
    <message>
        <source>Erases the custom codes on the device (&quot;DEL T&quot;), done when it answers &quot;Ok&quot;.</source>
        <translation>Löscht die Kundencodes auf dem Gerät („DEL T“); erledigt, wenn es mit „Ok“ antwortet.</translation>
    </message>
    <message>
        <source>Reads one transponder&apos;s identifier, within --wait seconds.</source>
        <translation>Liest die Kennung eines Transponders, innerhalb von --wait Sekunden.</translation>
    </message>
    <message>
        <source>Scans one barcode, within --wait seconds.</source>
        <translation>Scannt einen Barcode, innerhalb von --wait Sekunden.</translation>
    </message>
    <message>
        <source>Prints every line the device sends, until Ctrl-C.</source>
        <translation>Gibt jede Zeile aus, die das Gerät sendet, bis Strg+C.</translation>
    </message>
    <message>
        <source>Sends TEXT as one command line, as typed, and prints every line that comes back until the device is quiet for --quiet-time milliseconds.</source>
        <translation>Sendet TEXT so wie eingegeben als eine Befehlszeile und gibt jede zurückkommende Zeile aus, bis das Gerät --quiet-time Millisekunden lang schweigt.</translation>
    </message>
    <message>
        <source>--quiet-time MS  how long the device may be quiet before the answer counts as whole (default 500)</source>
        <translation>--quiet-time MS  wie lange das Gerät schweigen darf, bevor die Antwort als vollständig gilt (Standard 500)</translation>
    </message>
    <message>
        <source>Lists the ports: what each COMn opens, the serial devices present with their stable name, USB vendor, product and serial number, and which are held, by which program.</source>
        <translation>Listet die Ports auf: was jeder COMn öffnet, die vorhandenen seriellen Geräte mit ihrem stabilen Namen, USB-Hersteller, -Produkt und -Seriennummer und welche belegt sind, von welchem Programm.</translation>
    </message>
    <message>
        <source>Shows the help of a command, or of the program.</source>
        <translation>Zeigt die Hilfe eines Befehls oder des Programms.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; shows a command&apos;s help; %2 has the rest and the exit statuses.</source>
        <translation>&apos;%1&apos; zeigt die Hilfe eines Befehls; %2 enthält den Rest und die Exit-Status.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>The options of every command: %1.</source>
        <translation>Die Optionen aller Befehle: %1.</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Beispiel:</translation>
    </message>
    <message>
        <source>(did you mean &apos;%1&apos;?)</source>
        <translation>(meinten Sie &apos;%1&apos;?)</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>&apos;%1 --help&apos; zeigt die Optionen.</translation>
    </message>
    <message>
        <source>Tests and configures the Tagorix handheld data collector over a serial port.</source>
        <translation>Prüft und konfiguriert das mobile Datenerfassungsgerät Tagorix über einen seriellen Port.</translation>
    </message>
    <message>
        <source>Select this port at start: COM1 to COM16, or 1 to 16.</source>
        <translation>Diesen Port beim Start auswählen: COM1 bis COM16 oder 1 bis 16.</translation>
    </message>
    <message>
        <source>--port takes COM1 to COM16 (or 1 to 16), not &apos;%1&apos;</source>
        <translation>--port erwartet COM1 bis COM16 (oder 1 bis 16), nicht &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>initialising...</source>
        <translation>Initialisierung...</translation>
    </message>
    <message>
        <source>The device had not answered the connection yet, so the connection was started again. Wait until %1 reads &quot;%2&quot; before you start a read-out or a load.</source>
        <translation>Das Gerät hatte auf den Handshake noch nicht geantwortet, daher wurde die Verbindung neu gestartet. Warten Sie, bis die Schaltfläche %1 „%2“ zeigt, bevor Sie ein Auslesen oder ein Laden starten.</translation>
    </message>
    <message>
        <source>Check the device and its cable, then press %1 again.</source>
        <translation>Prüfen Sie das Gerät und sein Kabel und drücken Sie dann erneut %1.</translation>
    </message>
</context>
<context>
    <name>CustomCodes</name>
    <message>
        <source>Dataset %1</source>
        <extracomment>Progress of the load: the line of the custom-code file being sent</extracomment>
        <translation>Datensatz %1</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>%1 Lines acknowledged by the device: %2. Lines refused or not answered: %3.</source>
        <translation>%1 Vom Gerät bestätigte Zeilen: %2. Abgelehnte oder unbeantwortete Zeilen: %3.</translation>
    </message>
    <message>
        <source>The load of custom codes was cut short: the device had acknowledged 1 line.</source>
        <translation>Das Laden der Kundencodes wurde abgebrochen: Das Gerät hatte 1 Zeile bestätigt.</translation>
    </message>
    <message numerus="yes">
        <source>The load of custom codes was cut short: the device had acknowledged %1 lines.</source>
        <translation>
            <numerusform>Das Laden der Kundencodes wurde abgebrochen: Das Gerät hatte %1 Zeile bestätigt.</numerusform>
            <numerusform>Das Laden der Kundencodes wurde abgebrochen: Das Gerät hatte %1 Zeilen bestätigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Whether it stored line %1, sent last, is unknown.</source>
        <translation>Ob es die zuletzt gesendete Zeile %1 gespeichert hat, ist unbekannt.</translation>
    </message>
    <message>
        <source>The device has sent no record for 5 seconds.</source>
        <translation>Das Gerät hat seit 5 Sekunden keine Erfassung gesendet.</translation>
    </message>
    <message>
        <source>The device did not say how many records it holds: the records file is unchanged.</source>
        <translation>Das Gerät hat nicht mitgeteilt, wie viele Erfassungen es enthält: Die Erfassungsdatei ist unverändert.</translation>
    </message>
    <message>
        <source>There are no records present.</source>
        <translation>Es sind keine Erfassungen vorhanden.</translation>
    </message>
    <message>
        <source>The read-out of records was cut short before the device said how many it holds: the records file is unchanged.</source>
        <translation>Das Auslesen der Erfassungen wurde abgebrochen, bevor das Gerät ihre Anzahl mitgeteilt hat: Die Erfassungsdatei ist unverändert.</translation>
    </message>
    <message>
        <source>The read-out of records was cut short: %1 of the %2 records the device announced are in the file.</source>
        <translation>Das Auslesen der Erfassungen wurde abgebrochen: %1 der %2 vom Gerät angekündigten Erfassungen sind in der Datei.</translation>
    </message>
    <message>
        <source>The device answered &quot;Error&quot;.</source>
        <translation>Das Gerät hat mit „Error“ geantwortet.</translation>
    </message>
    <message>
        <source>Transfer of records finished.</source>
        <translation>Übertragung der Erfassungen abgeschlossen.</translation>
    </message>
    <message>
        <source>The load of custom codes stopped: the device reported &quot;Memory full&quot; at line %1. The lines after it were not sent.</source>
        <translation>Das Laden der Kundencodes wurde beendet: Das Gerät meldete bei Zeile %1 „Memory full“. Die folgenden Zeilen wurden nicht gesendet.</translation>
    </message>
    <message>
        <source>The load of custom codes stopped: the device did not answer line %1, sent %2 times. The lines after it were not sent.</source>
        <translation>Das Laden der Kundencodes wurde beendet: Das Gerät hat auf Zeile %1 nicht geantwortet, die %2-mal gesendet wurde. Die folgenden Zeilen wurden nicht gesendet.</translation>
    </message>
    <message>
        <source>The load of custom codes reached the end of the file, but the device did not store every line.</source>
        <translation>Das Laden der Kundencodes hat das Dateiende erreicht, aber das Gerät hat nicht jede Zeile gespeichert.</translation>
    </message>
</context>
<context>
    <name>DeviceText</name>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (nicht vorhanden)</translation>
    </message>
    <message>
        <source>%1 (now %2)</source>
        <translation>%1 (derzeit %2)</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial port.</source>
        <translation>%1 ist ein Ordner, kein serieller Port.</translation>
    </message>
    <message>
        <source>%1 is not a device, so it cannot be a serial port.</source>
        <translation>%1 ist keine Gerätedatei und kann daher kein serieller Port sein.</translation>
    </message>
    <message>
        <source>%1 is a memory device, not a serial port.</source>
        <translation>%1 ist ein Speichergerät, kein serieller Port.</translation>
    </message>
    <message>
        <source>%1 is a file, not a serial port.</source>
        <translation>%1 ist eine Datei, kein serieller Port.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>Abbrechen wurde gewählt.</translation>
    </message>
    <message>
        <source>Operation valid only when the port is open</source>
        <translation>Vorgang nur bei geöffnetem Port zulässig</translation>
    </message>
</context>
<context>
    <name>FilePaths</name>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Select CSV file for opening</source>
        <translation>CSV-Datei zum Öffnen wählen</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Select CSV file for saving</source>
        <translation>CSV-Datei zum Speichern wählen</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Port</source>
        <translation>Serieller Port</translation>
    </message>
    <message>
        <source>ID or barcode</source>
        <translation>ID oder Barcode</translation>
    </message>
    <message>
        <source>Display line</source>
        <extracomment>The line of the device&apos;s display that the text goes to</extracomment>
        <translation>Displayzeile</translation>
    </message>
    <message>
        <source>Display text</source>
        <translation>Displaytext</translation>
    </message>
    <message>
        <source>Statistic result</source>
        <translation>Ergebnis der Statistik</translation>
    </message>
    <message>
        <source>Choose the file to save in</source>
        <translation>Zieldatei wählen</translation>
    </message>
    <message>
        <source>Choose the file to read from</source>
        <translation>Quelldatei wählen</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Read ID</source>
        <translation>ID lesen</translation>
    </message>
    <message>
        <source>Scan barcode</source>
        <translation>Barcode lesen</translation>
    </message>
    <message>
        <source>read continously</source>
        <translation>fortlaufend lesen</translation>
    </message>
    <message>
        <source>Read text block</source>
        <translation>Text lesen</translation>
    </message>
    <message>
        <source>Write text block</source>
        <translation>Text schreiben</translation>
    </message>
    <message>
        <source>Content:</source>
        <extracomment>The text to write into the transponder block</extracomment>
        <translation>Inhalt:</translation>
    </message>
    <message>
        <source>Daten als Text</source>
        <extracomment>Tool tip of the field whose text is written into the block</extracomment>
        <translation>Zu schreibende Daten als Text</translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Block numbers: the first block read or written</extracomment>
        <translation>von</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Block numbers: the last block read</extracomment>
        <translation>bis</translation>
    </message>
    <message>
        <source>Read Hex</source>
        <translation>Hex lesen</translation>
    </message>
    <message>
        <source>Key:</source>
        <extracomment>The transponder&apos;s key, 12 hexadecimal digits</extracomment>
        <translation>Schlüssel:</translation>
    </message>
    <message>
        <source>Write Hex</source>
        <translation>Hex schreiben</translation>
    </message>
    <message>
        <source>Key A</source>
        <extracomment>Which of the transponder&apos;s two keys the key is</extracomment>
        <translation>Schlüssel A</translation>
    </message>
    <message>
        <source>Key B</source>
        <translation>Schlüssel B</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Summer</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Clear Display</source>
        <translation>Display löschen</translation>
    </message>
    <message>
        <source>Show text</source>
        <translation>Text anzeigen</translation>
    </message>
    <message>
        <source>PC-Time:</source>
        <translation>PC-Zeit:</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>Zeit setzen</translation>
    </message>
    <message>
        <source>Transponder:</source>
        <translation>Transponder:</translation>
    </message>
    <message>
        <source>Set tag type</source>
        <translation>Typ setzen</translation>
    </message>
    <message>
        <source>Switch off time:</source>
        <translation>Abschaltzeit:</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>Unit after the switch-off time: seconds</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>Check box: the device never switches itself off</extracomment>
        <translation>aus</translation>
    </message>
    <message>
        <source>Set switch off time</source>
        <translation>Abschaltzeit setzen</translation>
    </message>
    <message>
        <source>read timeout:</source>
        <translation>Lese-Timeout:</translation>
    </message>
    <message>
        <source>x 50ms</source>
        <extracomment>Unit after the read time-out: steps of 50 milliseconds</extracomment>
        <translation>x 50 ms</translation>
    </message>
    <message>
        <source>Set timeout</source>
        <translation>Timeout setzen</translation>
    </message>
    <message>
        <source>FDX Code:</source>
        <translation>FDX-Code:</translation>
    </message>
    <message>
        <source>Set FDX code</source>
        <translation>FDX-Code setzen</translation>
    </message>
    <message>
        <source>Enable buzzer </source>
        <extracomment>Check box; keep the space at the end</extracomment>
        <translation>Summer ein </translation>
    </message>
    <message>
        <source>Set enable buzzer</source>
        <translation>Summer setzen</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Betriebsart:</translation>
    </message>
    <message>
        <source>Set mode</source>
        <translation>Betriebsart setzen</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Set language</source>
        <translation>Sprache setzen</translation>
    </message>
    <message>
        <source>Menu config</source>
        <extracomment>Frame around the function keys the device&apos;s menu offers</extracomment>
        <translation>Menüfunktionen</translation>
    </message>
    <message>
        <source>F%1 function</source>
        <extracomment>%1 is the number of the function key (F1 to F8)</extracomment>
        <translation>Funktion F%1</translation>
    </message>
    <message>
        <source>Set menu</source>
        <translation>Menü setzen</translation>
    </message>
    <message>
        <source>Register:</source>
        <extracomment>A register of the barcode scanner engine</extracomment>
        <translation>Register:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>Reads the scanner register</extracomment>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Writes the scanner register</extracomment>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Read out records</source>
        <translation>Erfassungen auslesen</translation>
    </message>
    <message>
        <source>save in:</source>
        <extracomment>The records file the read-out writes</extracomment>
        <translation>Zieldatei:</translation>
    </message>
    <message>
        <source>Erase records</source>
        <translation>Erfassungen löschen</translation>
    </message>
    <message>
        <source>Load custom codes</source>
        <translation>Kundencodes laden</translation>
    </message>
    <message>
        <source>read from:</source>
        <extracomment>The custom-code file the load reads</extracomment>
        <translation>Quelldatei:</translation>
    </message>
    <message>
        <source>Erase custom codes</source>
        <translation>Kundencodes löschen</translation>
    </message>
    <message>
        <source>Read out custom codes</source>
        <translation>Kundencodes auslesen</translation>
    </message>
    <message>
        <source>Statistic</source>
        <extracomment>Asks the device how many custom codes and records it holds</extracomment>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Port devices</source>
        <extracomment>Button beside the port list</extracomment>
        <translation>Geräte des Ports</translation>
    </message>
    <message>
        <source>Choose the device that the selected port opens</source>
        <translation>Das Gerät wählen, das der gewählte Port öffnet</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Power:</source>
        <extracomment>Caption of the battery bar</extracomment>
        <translation>Akku:</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>OutputBox</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
</context>
<context>
    <name>PageActions</name>
    <message>
        <source>Do you really want to delete all data?</source>
        <translation>Wollen Sie wirklich alle Daten löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Title of the question before erasing</extracomment>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>PortAdvice</name>
    <message>
        <source>A port name can also be given any device in the section [Ports] of the settings file %1, for example COM1=/dev/ttyUSB0.</source>
        <translation>Einem Portnamen kann auch ein beliebiges Gerät zugeordnet werden, im Abschnitt [Ports] der Einstellungsdatei %1, zum Beispiel COM1=/dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>Choose a port in the list, then press Connect again.</source>
        <extracomment>&quot;Connect&quot;: the window&apos;s button of that name.</extracomment>
        <translation>Wählen Sie einen Port in der Liste und drücken Sie dann erneut Verbinden.</translation>
    </message>
    <message>
        <source>This user account may not use the port. Add it to the group that owns the device (dialout on Debian, for example: sudo usermod -aG dialout $USER), then log out and log in again so that the new group takes effect.</source>
        <translation>Dieses Benutzerkonto darf den Port nicht verwenden. Fügen Sie es der Gruppe hinzu, der das Gerät gehört (unter Debian dialout, zum Beispiel: sudo usermod -aG dialout $USER), und melden Sie sich dann ab und wieder an, damit die neue Gruppe wirksam wird.</translation>
    </message>
    <message>
        <source>No device is attached under this port&apos;s name. Plug the device in, or choose the port it is attached to.</source>
        <translation>Unter dem Namen dieses Ports ist kein Gerät angeschlossen. Schließen Sie das Gerät an oder wählen Sie den Port, an dem es angeschlossen ist.</translation>
    </message>
    <message>
        <source>Another program is using this port. Close that program, or choose another port.</source>
        <translation>Ein anderes Programm verwendet diesen Port. Schließen Sie dieses Programm oder wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>Another program is using this port: it is in use by %1. Close that program, or choose another port.</source>
        <translation>Ein anderes Programm verwendet diesen Port: Er wird von %1 belegt. Schließen Sie dieses Programm oder wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>The device under this port&apos;s name is not a serial port. Choose another port.</source>
        <translation>Das Gerät unter dem Namen dieses Ports ist kein serieller Port. Wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>PortAssignment</name>
    <message>
        <source>Assign a device to %1...</source>
        <translation>%1 ein Gerät zuweisen...</translation>
    </message>
    <message>
        <source>Assign a device...</source>
        <translation>Gerät zuweisen...</translation>
    </message>
    <message>
        <source>%1, opens %2</source>
        <translation>%1, öffnet %2</translation>
    </message>
    <message>
        <source>Show the serial devices of this computer, to choose the one %1 opens?</source>
        <translation>Die seriellen Geräte dieses Computers anzeigen, um das Gerät für %1 zu wählen?</translation>
    </message>
    <message>
        <source>Opens %1</source>
        <translation>Öffnet %1</translation>
    </message>
</context>
<context>
    <name>PortAssignmentDialog</name>
    <message>
        <source>Device for %1</source>
        <translation>Gerät für %1</translation>
    </message>
    <message>
        <source>Serial devices of this computer:</source>
        <translation>Serielle Geräte dieses Computers:</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Assigned to</source>
        <translation>Zugewiesen an</translation>
    </message>
    <message>
        <source>Stable name</source>
        <translation>Fester Name</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>USB id</source>
        <translation>USB-ID</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>&amp;Pfad:</translation>
    </message>
    <message>
        <source>a listed device, or any other: /dev/pts/3, /dev/rfcomm0</source>
        <translation>ein aufgeführtes Gerät oder ein anderes: /dev/pts/3, /dev/rfcomm0</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Assign to %1</source>
        <translation>%1 &amp;zuweisen</translation>
    </message>
    <message>
        <source>Use &amp;default</source>
        <translation>&amp;Standard verwenden</translation>
    </message>
    <message>
        <source>%1 opens %2</source>
        <translation>%1 öffnet %2</translation>
    </message>
    <message>
        <source>%1 opens the default %2</source>
        <translation>%1 öffnet den Standard %2</translation>
    </message>
</context>
<context>
    <name>PortListing</name>
    <message>
        <source>, held by %1</source>
        <translation>, belegt von %1</translation>
    </message>
    <message>
        <source>Ports (as mapped in %1):</source>
        <translation>Ports (wie in %1 zugeordnet):</translation>
    </message>
    <message>
        <source> (default)</source>
        <translation> (Standard)</translation>
    </message>
    <message>
        <source>, not present</source>
        <translation>, nicht vorhanden</translation>
    </message>
    <message>
        <source>, now %1</source>
        <translation>, derzeit %1</translation>
    </message>
    <message>
        <source>No serial device is present.</source>
        <translation>Kein serielles Gerät vorhanden.</translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation>Vorhandene serielle Geräte:</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
</context>
<context>
    <name>PortRun</name>
    <message>
        <source>terminated.</source>
        <translation>beendet.</translation>
    </message>
    <message>
        <source>hung up.</source>
        <translation>Terminal getrennt.</translation>
    </message>
    <message>
        <source>interrupted.</source>
        <translation>unterbrochen.</translation>
    </message>
    <message>
        <source>1 record in %2</source>
        <translation>1 Erfassung in %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 records in %2</source>
        <translation>
            <numerusform>%1 Erfassung in %2</numerusform>
            <numerusform>%1 Erfassungen in %2</numerusform>
        </translation>
    </message>
    <message>
        <source>records %1/%2</source>
        <extracomment>Progress of a read-out: one word, then the records written and announced.</extracomment>
        <translation>Erfassungen %1/%2</translation>
    </message>
    <message>
        <source>codes %1/%2</source>
        <extracomment>Progress of a load: one word, then the line being sent and the file&apos;s lines.</extracomment>
        <translation>Codes %1/%2</translation>
    </message>
    <message>
        <source>line %1 is empty: sent as an empty code</source>
        <translation>Zeile %1 ist leer: als leerer Code gesendet</translation>
    </message>
    <message>
        <source>the device answered &quot;%1&quot; when asked for its %2 (%3).</source>
        <translation>das Gerät hat auf die Abfrage von %2 (%3) mit „%1“ geantwortet.</translation>
    </message>
    <message>
        <source>the device did not report all its settings.</source>
        <translation>das Gerät hat nicht alle seine Einstellungen gemeldet.</translation>
    </message>
    <message>
        <source>the device did not say how many records it holds.</source>
        <translation>das Gerät hat nicht mitgeteilt, wie viele Erfassungen es enthält.</translation>
    </message>
    <message>
        <source>records erased</source>
        <translation>Erfassungen gelöscht</translation>
    </message>
    <message>
        <source>custom codes erased</source>
        <translation>Kundencodes gelöscht</translation>
    </message>
    <message>
        <source>no such command</source>
        <translation>kein solcher Befehl</translation>
    </message>
    <message>
        <source>read at %1 from %2</source>
        <translation>gelesen am %1 von %2</translation>
    </message>
    <message>
        <source>read at %1</source>
        <translation>gelesen am %1</translation>
    </message>
    <message>
        <source>the device refused %1: it answered &quot;%2&quot;.</source>
        <translation>das Gerät hat %1 abgelehnt: Es antwortete „%2“.</translation>
    </message>
    <message>
        <source>the device did not answer %1.</source>
        <translation>das Gerät hat auf %1 nicht geantwortet.</translation>
    </message>
    <message>
        <source>did not take %1 (the device reports %2)</source>
        <translation>%1 wurde nicht übernommen (das Gerät meldet %2)</translation>
    </message>
    <message>
        <source>1 setting set and read back</source>
        <translation>1 Einstellung gesetzt und zurückgelesen</translation>
    </message>
    <message numerus="yes">
        <source>%1 settings set and read back</source>
        <translation>
            <numerusform>%1 Einstellung gesetzt und zurückgelesen</numerusform>
            <numerusform>%1 Einstellungen gesetzt und zurückgelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>no records on the device</source>
        <translation>keine Erfassungen auf dem Gerät</translation>
    </message>
    <message>
        <source>%1 holds %2 records, not the %3 the device announced.</source>
        <translation>%1 enthält %2 Erfassungen, nicht die %3 vom Gerät angekündigten.</translation>
    </message>
    <message>
        <source>standard output</source>
        <extracomment>Where the records went: the place in &quot;%1 records in %2&quot;.</extracomment>
        <translation>der Standardausgabe</translation>
    </message>
    <message>
        <source>The records read are in %1.</source>
        <translation>Die gelesenen Erfassungen sind in %1.</translation>
    </message>
    <message>
        <source>%1, not erased: %2</source>
        <translation>%1, nicht gelöscht: %2</translation>
    </message>
    <message>
        <source>the device now holds %1 records.</source>
        <translation>das Gerät enthält jetzt %1 Erfassungen.</translation>
    </message>
    <message>
        <source>%1, erased on the device</source>
        <translation>%1, auf dem Gerät gelöscht</translation>
    </message>
    <message>
        <source>%1 %2 of the %3 records the device announced are in %4.</source>
        <translation>%1 %2 der %3 vom Gerät angekündigten Erfassungen sind in %4.</translation>
    </message>
    <message>
        <source>1 line of custom codes loaded from %2</source>
        <translation>1 Zeile Kundencodes aus %2 geladen</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines of custom codes loaded from %2</source>
        <translation>
            <numerusform>%1 Zeile Kundencodes aus %2 geladen</numerusform>
            <numerusform>%1 Zeilen Kundencodes aus %2 geladen</numerusform>
        </translation>
    </message>
    <message>
        <source>the device did not say how many custom codes it holds.</source>
        <translation>das Gerät hat nicht mitgeteilt, wie viele Kundencodes es enthält.</translation>
    </message>
    <message>
        <source>the device sent %1 of the %2 custom codes it holds; %3 could not be seen (an empty code comes as an empty line).</source>
        <translation>das Gerät hat %1 seiner %2 Kundencodes gesendet; %3 waren nicht zu sehen (ein leerer Code kommt als leere Zeile).</translation>
    </message>
    <message>
        <source>the device sent %1 of the %2 custom codes it holds in %3; %4 could not be seen (an empty code comes as an empty line).</source>
        <translation>das Gerät hat %1 seiner %2 Kundencodes in %3 gesendet; %4 waren nicht zu sehen (ein leerer Code kommt als leere Zeile).</translation>
    </message>
    <message>
        <source>1 custom code</source>
        <translation>1 Kundencode</translation>
    </message>
    <message numerus="yes">
        <source>%1 custom codes</source>
        <translation>
            <numerusform>%1 Kundencode</numerusform>
            <numerusform>%1 Kundencodes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 custom code in %2</source>
        <translation>1 Kundencode in %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 custom codes in %2</source>
        <translation>
            <numerusform>%1 Kundencode in %2</numerusform>
            <numerusform>%1 Kundencodes in %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the device answered &quot;%1&quot; to the erase.</source>
        <translation>das Gerät hat auf das Löschen mit „%1“ geantwortet.</translation>
    </message>
    <message>
        <source>the device did not answer the erase.</source>
        <translation>das Gerät hat auf das Löschen nicht geantwortet.</translation>
    </message>
    <message>
        <source>the device sent nothing within %1 s.</source>
        <translation>das Gerät hat innerhalb von %1 s nichts gesendet.</translation>
    </message>
    <message>
        <source>monitor ended</source>
        <translation>monitor beendet</translation>
    </message>
    <message>
        <source>1 line came back</source>
        <translation>1 Zeile kam zurück</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines came back</source>
        <translation>
            <numerusform>%1 Zeile kam zurück</numerusform>
            <numerusform>%1 Zeilen kamen zurück</numerusform>
        </translation>
    </message>
    <message>
        <source>the port closed.</source>
        <translation>der Port wurde geschlossen.</translation>
    </message>
    <message>
        <source>the device did not answer within %1 s.</source>
        <translation>das Gerät hat innerhalb von %1 s nicht geantwortet.</translation>
    </message>
</context>
<context>
    <name>QtSerialPort</name>
    <message>
        <source>Port already open</source>
        <translation>Port bereits geöffnet</translation>
    </message>
    <message>
        <source>the device took no data for 2 seconds</source>
        <translation>das Gerät hat 2 Sekunden lang keine Daten angenommen</translation>
    </message>
    <message>
        <source>the port reports that the device is gone (unplugged, switched off, or its line hung up). The system says: %1</source>
        <translation>der Port meldet, dass das Gerät nicht mehr da ist (ausgesteckt, ausgeschaltet oder Leitung getrennt). Das System meldet: %1</translation>
    </message>
    <message>
        <source>the port reports that the device is gone (unplugged, switched off, or its line hung up)</source>
        <translation>der Port meldet, dass das Gerät nicht mehr da ist (ausgesteckt, ausgeschaltet oder Leitung getrennt)</translation>
    </message>
    <message>
        <source>The connection to the device was lost: %1.</source>
        <translation>Die Verbindung zum Gerät ist verloren gegangen: %1.</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>The settings could not be saved in %1.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>RecordsTarget</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>SelectionLists</name>
    <message>
        <source>0 - read only</source>
        <translation>0 - nur lesen</translation>
    </message>
    <message>
        <source>1 - read write</source>
        <translation>1 - lesen/schr.</translation>
    </message>
    <message>
        <source>2 - ro with number</source>
        <translation>2 - nur lesen, Nr.</translation>
    </message>
    <message>
        <source>3 - HitagS rw</source>
        <translation>3 - HitagS L/S</translation>
    </message>
    <message>
        <source>0 - All</source>
        <translation>0 - Alle</translation>
    </message>
    <message>
        <source>1 - Hexadecimal</source>
        <translation>1 - Hexadezimal</translation>
    </message>
    <message>
        <source>2 - ISO animal</source>
        <translation>2 - ISO Tier</translation>
    </message>
    <message>
        <source>3 - ISO industry</source>
        <translation>3 - ISO Industrie</translation>
    </message>
    <message>
        <source>6 - Hex Invers</source>
        <translation>6 - Hex invertiert</translation>
    </message>
    <message>
        <source>7 - Decimal</source>
        <translation>7 - Dezimal</translation>
    </message>
    <message>
        <source>8 - Hex bytewise invers</source>
        <translation>8 - Hex byteweise invertiert</translation>
    </message>
    <message>
        <source>0 - German</source>
        <translation>0 - Deutsch</translation>
    </message>
    <message>
        <source>1 - English</source>
        <translation>1 - Englisch</translation>
    </message>
    <message>
        <source>2 - French</source>
        <translation>2 - Französisch</translation>
    </message>
    <message>
        <source>3 - Polski</source>
        <translation>3 - Polnisch</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>Data exchange</source>
        <translation>Datenaustausch</translation>
    </message>
    <message>
        <source>001 - UPC-A enable (0/1)</source>
        <translation>001 - UPC-A aktivieren (0/1)</translation>
    </message>
    <message>
        <source>002 - UPC-E enable (0/1)</source>
        <translation>002 - UPC-E aktivieren (0/1)</translation>
    </message>
    <message>
        <source>012 - UPC-E1 enable (0/1)</source>
        <translation>012 - UPC-E1 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>003 - EAN-13 enable (0/1)</source>
        <translation>003 - EAN-13 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>004 - EAN-8 enable (0/1)</source>
        <translation>004 - EAN-8 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>083 - Bookland EAN enable (0/1)</source>
        <translation>083 - Bookland EAN aktivieren (0/1)</translation>
    </message>
    <message>
        <source>016 - Decode UPC/EAN supplementals (0...2)</source>
        <translation>016 - UPC/EAN-Zusatzcodes dekodieren (0...2)</translation>
    </message>
    <message>
        <source>080 - Decode UPC/EAN supplemantel redundancy (2...20)</source>
        <translation>080 - Redundanz der UPC/EAN-Zusatzcodes (2...20)</translation>
    </message>
    <message>
        <source>040 - UPC-A check digit enable (0/1)</source>
        <translation>040 - UPC-A-Prüfziffer aktivieren (0/1)</translation>
    </message>
    <message>
        <source>041 - UPC-E check digit enable (0/1)</source>
        <translation>041 - UPC-E-Prüfziffer aktivieren (0/1)</translation>
    </message>
    <message>
        <source>042 - UPC-E1 check digit enable (0/1)</source>
        <translation>042 - UPC-E1-Prüfziffer aktivieren (0/1)</translation>
    </message>
    <message>
        <source>034 - UPC-A Preamble (0...2)</source>
        <translation>034 - UPC-A-Präambel (0...2)</translation>
    </message>
    <message>
        <source>035 - UPC-E Preamble (0...2)</source>
        <translation>035 - UPC-E-Präambel (0...2)</translation>
    </message>
    <message>
        <source>036 - UPC-E1 Preamble (0...2)</source>
        <translation>036 - UPC-E1-Präambel (0...2)</translation>
    </message>
    <message>
        <source>037 - Convert UPC-E to UPC-A enable (0/1)</source>
        <translation>037 - Umwandlung UPC-E in UPC-A aktivieren (0/1)</translation>
    </message>
    <message>
        <source>038 - Convert UPC-E1 to UPC-A enable (0/1)</source>
        <translation>038 - Umwandlung UPC-E1 in UPC-A aktivieren (0/1)</translation>
    </message>
    <message>
        <source>039 - EAN-8 zero-extend enable (0/1)</source>
        <translation>039 - Nullerweiterung von EAN-8 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>224 - Convert EAN-8 to EAN-13 enable (0/1)</source>
        <translation>224 - Umwandlung EAN-8 in EAN-13 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>077 - UPC/EAN security level (0...3)</source>
        <translation>077 - UPC/EAN-Sicherheitsstufe (0...3)</translation>
    </message>
    <message>
        <source>085 - UPC/EAN Coupon code enable (0/1)</source>
        <translation>085 - UPC/EAN-Couponcode aktivieren (0/1)</translation>
    </message>
    <message>
        <source>008 - USS-128 enable (0/1)</source>
        <translation>008 - USS-128 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>014 - UCC/EAN-128 enable (0/1)</source>
        <translation>014 - UCC/EAN-128 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>084 - ISBT 128 enable (0/1)</source>
        <translation>084 - ISBT 128 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>000 - Code 39 enable (0/1)</source>
        <translation>000 - Code 39 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>013 - Trioptic Code 39 enable (0/1)</source>
        <translation>013 - Trioptic Code 39 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>086 - Convert Code 39 to Code 32 enable (0/1)</source>
        <translation>086 - Umwandlung Code 39 in Code 32 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>231 - Code 32 prefix enable (0/1)</source>
        <translation>231 - Code-32-Präfix aktivieren (0/1)</translation>
    </message>
    <message>
        <source>018 - Set Length for Code 39 L1 (0...255)</source>
        <translation>018 - Länge L1 für Code 39 (0...255)</translation>
    </message>
    <message>
        <source>019 - Set Length for Code 39 L2 (0...255)</source>
        <translation>019 - Länge L2 für Code 39 (0...255)</translation>
    </message>
    <message>
        <source>048 - Code 39 Check Digit verification enable (0/1)</source>
        <translation>048 - Prüfung der Code-39-Prüfziffer aktivieren (0/1)</translation>
    </message>
    <message>
        <source>043 - Code 39 Check Digit enable (0/1)</source>
        <translation>043 - Code-39-Prüfziffer aktivieren (0/1)</translation>
    </message>
    <message>
        <source>017 - Code 39 Full ASCII conversion enable (0/1)</source>
        <translation>017 - Code-39-Umwandlung in Full ASCII aktivieren (0/1)</translation>
    </message>
    <message>
        <source>009 - Code 93 enable (0/1)</source>
        <translation>009 - Code 93 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>026 - Set Length for Code 93 L1 (0...255)</source>
        <translation>026 - Länge L1 für Code 93 (0...255)</translation>
    </message>
    <message>
        <source>027 - Set Length for Code 93 L2 (0...255)</source>
        <translation>027 - Länge L2 für Code 93 (0...255)</translation>
    </message>
    <message>
        <source>006 - Interleaved 2of5 enable (0/1)</source>
        <translation>006 - Interleaved 2of5 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>022 - Set Length for Interleaved 2of5 L1 (0...255)</source>
        <translation>022 - Länge L1 für Interleaved 2of5 (0...255)</translation>
    </message>
    <message>
        <source>023 - Set Length for Interleaved 2of5 L2 (0...255)</source>
        <translation>023 - Länge L2 für Interleaved 2of5 (0...255)</translation>
    </message>
    <message>
        <source>049 - Interleaved 2of5 Check Digit verification enable (0/1)</source>
        <translation>049 - Prüfung der Interleaved-2of5-Prüfziffer aktivieren (0/1)</translation>
    </message>
    <message>
        <source>044 - Interleaved 2of5 Check Digit enable (0/1)</source>
        <translation>044 - Interleaved-2of5-Prüfziffer aktivieren (0/1)</translation>
    </message>
    <message>
        <source>082 - Convert Interleaved 2of5 to EAN-13 enable (0/1)</source>
        <translation>082 - Umwandlung Interleaved 2of5 in EAN-13 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>005 - Discrete 2of5 enable (0/1)</source>
        <translation>005 - Discrete 2of5 aktivieren (0/1)</translation>
    </message>
    <message>
        <source>020 - Set Length for Discrete 2of5 L1 (0...255)</source>
        <translation>020 - Länge L1 für Discrete 2of5 (0...255)</translation>
    </message>
    <message>
        <source>021 - Set Length for Discrete 2of5 L2 (0...255)</source>
        <translation>021 - Länge L2 für Discrete 2of5 (0...255)</translation>
    </message>
    <message>
        <source>007 - Codabar enable (0/1)</source>
        <translation>007 - Codabar aktivieren (0/1)</translation>
    </message>
    <message>
        <source>024 - Set Length for Codabar L1 (0...255)</source>
        <translation>024 - Länge L1 für Codabar (0...255)</translation>
    </message>
    <message>
        <source>025 - Set Length for Codabar L2 (0...255)</source>
        <translation>025 - Länge L2 für Codabar (0...255)</translation>
    </message>
    <message>
        <source>054 - CLSI editing enable (0/1)</source>
        <translation>054 - CLSI-Aufbereitung aktivieren (0/1)</translation>
    </message>
    <message>
        <source>055 - NOTIS editing (0/1)</source>
        <translation>055 - NOTIS-Aufbereitung (0/1)</translation>
    </message>
    <message>
        <source>011 - MSI Plessey enable (0/1)</source>
        <translation>011 - MSI Plessey aktivieren (0/1)</translation>
    </message>
    <message>
        <source>030 - Set Length for MSI Plessey L1 (0...255)</source>
        <translation>030 - Länge L1 für MSI Plessey (0...255)</translation>
    </message>
    <message>
        <source>031 - Set Length for MSI Plessey L2 (0...255)</source>
        <translation>031 - Länge L2 für MSI Plessey (0...255)</translation>
    </message>
    <message>
        <source>050 - MSI Plessey Check Digits (1/2)</source>
        <translation>050 - MSI-Plessey-Prüfziffern (1/2)</translation>
    </message>
    <message>
        <source>046 - MSI Plessey Check Digit enable (0/1)</source>
        <translation>046 - MSI-Plessey-Prüfziffer aktivieren (0/1)</translation>
    </message>
    <message>
        <source>051 - MSI Plessey Check Digit algorithm (0/1)</source>
        <translation>051 - MSI-Plessey-Prüfziffernverfahren (0/1)</translation>
    </message>
    <message>
        <source>191 - Scan angle (100/75/60/45)</source>
        <translation>191 - Scanwinkel (100/75/60/45)</translation>
    </message>
</context>
<context>
    <name>SequentialFile</name>
    <message>
        <source>Path/File access error: %1 is not a regular file (a named pipe, a socket or a device)</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 ist keine normale Datei (sondern eine benannte Pipe, ein Socket oder ein Gerät)</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Dateiname oder -nummer ungültig</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>In %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Bad file name: no file name given</source>
        <translation>Ungültiger Dateiname: kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Pfad nicht gefunden: %1</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is a folder</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 ist ein Ordner</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>Zugriff verweigert: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot read from %1: %2</source>
        <translation>Aus %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot put %1 on the disk: %2</source>
        <translation>%1 konnte nicht auf den Datenträger geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 erwartet %2, nicht &apos;%3&apos;</translation>
    </message>
    <message>
        <source>a transponder type from 0 to 11</source>
        <translation>einen Transpondertyp von 0 bis 11</translation>
    </message>
    <message>
        <source>a whole number of seconds, or never</source>
        <extracomment>&quot;never&quot; is the value as the user types it: keep it in English.</extracomment>
        <translation>eine ganze Zahl von Sekunden oder never</translation>
    </message>
    <message>
        <source>a whole number of 50 ms steps</source>
        <translation>eine ganze Zahl von 50-ms-Schritten</translation>
    </message>
    <message>
        <source>an FDX code format from 1 to 8</source>
        <translation>ein FDX-Code-Format von 1 bis 8</translation>
    </message>
    <message>
        <source>0 (off) or 1 (on)</source>
        <translation>0 (aus) oder 1 (ein)</translation>
    </message>
    <message>
        <source>an operating mode from 0 to 3</source>
        <translation>eine Betriebsart von 0 bis 3</translation>
    </message>
    <message>
        <source>the sum of its menu keys F1 = 1, F2 = 2, F3 = 4, F4 = 8 and F5 = 16, from 0 to 31</source>
        <translation>die Summe seiner Menütasten F1 = 1, F2 = 2, F3 = 4, F4 = 8 und F5 = 16, von 0 bis 31</translation>
    </message>
    <message>
        <source>a language from 0 to 3</source>
        <translation>eine Sprache von 0 bis 3</translation>
    </message>
    <message>
        <source>nothing: the device reports it</source>
        <translation>nichts: Das Gerät meldet den Wert</translation>
    </message>
    <message>
        <source>now, or a time dd.mm.yyyy hh:mm</source>
        <extracomment>&quot;now&quot; is the value as the user types it: keep it in English. The time&apos;s digits stand in that order, with the dot, the blank and the colon.</extracomment>
        <translation>now oder eine Zeit TT.MM.JJJJ hh:mm</translation>
    </message>
</context>
<context>
    <name>SettingChange</name>
    <message>
        <source>&apos;%1&apos; is not name=value</source>
        <translation>&apos;%1&apos; hat nicht die Form Name=Wert</translation>
    </message>
    <message>
        <source>%1 is reported by the device and cannot be set</source>
        <translation>%1 wird vom Gerät gemeldet und kann nicht gesetzt werden</translation>
    </message>
    <message>
        <source>no setting &apos;%1&apos;</source>
        <translation>keine Einstellung &apos;%1&apos;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>Shelf</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the write failed</source>
        <translation>das Schreiben ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 ports at work</source>
        <translation>%1 Ports in Arbeit</translation>
    </message>
    <message>
        <source>%1 ports: %2 %3/%4</source>
        <translation>%1 Ports: %2 %3/%4</translation>
    </message>
</context>
<context>
    <name>ShelfRequest</name>
    <message>
        <source>it is UTF-16; save it as UTF-8</source>
        <translation>sie ist UTF-16-kodiert; speichern Sie sie als UTF-8</translation>
    </message>
    <message>
        <source>it holds NUL bytes</source>
        <translation>sie enthält NUL-Bytes</translation>
    </message>
    <message>
        <source>it is not UTF-8</source>
        <translation>sie ist nicht UTF-8-kodiert</translation>
    </message>
    <message>
        <source>cannot write %1: the folder %2 does not exist</source>
        <translation>%1 kann nicht geschrieben werden: Der Ordner %2 existiert nicht</translation>
    </message>
    <message>
        <source>cannot write %1: the folder %2 cannot be written</source>
        <translation>%1 kann nicht geschrieben werden: In den Ordner %2 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Runs one command on one or more Tagorix data collectors at once, from scripts.</source>
        <translation>Führt einen Befehl auf einem oder mehreren Tagorix-Datenerfassungsgeräten gleichzeitig aus, für Skripte.</translation>
    </message>
    <message>
        <source>The port: COM1 to COM255 or 1 to 255 (as the window names them), or a device path. Give it more than once, or as COM1,COM2, to run on several ports at the same time.</source>
        <translation>Der Port: COM1 bis COM255 oder 1 bis 255 (wie im Fenster benannt) oder ein Gerätepfad. Mehrfach oder als COM1,COM2 angegeben, läuft der Befehl auf mehreren Ports gleichzeitig.</translation>
    </message>
    <message>
        <source>One JSON object per port.</source>
        <translation>Ein JSON-Objekt je Port.</translation>
    </message>
    <message>
        <source>No progress on the terminal.</source>
        <translation>Kein Fortschritt im Terminal.</translation>
    </message>
    <message>
        <source>How long the device may take to answer the connection, an identifier or a barcode (default 10).</source>
        <translation>Wie lange das Gerät für die Antwort auf den Handshake, eine Kennung oder einen Barcode brauchen darf (Standard 10).</translation>
    </message>
    <message>
        <source>Every line on the wire, both ways, with the time, on standard error.</source>
        <translation>Jede Zeile auf der Leitung, in beide Richtungen, mit Uhrzeit, auf der Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>send: how long the device may be quiet before its answer counts as whole (default 500).</source>
        <translation>send: Wie lange das Gerät schweigen darf, bevor seine Antwort als vollständig gilt (Standard 500).</translation>
    </message>
    <message>
        <source>Confirms an erase.</source>
        <translation>Bestätigt ein Löschen.</translation>
    </message>
    <message>
        <source>read-records: once every record is on disk, erase the records on the device.</source>
        <translation>read-records: Sobald jede Erfassung auf dem Datenträger ist, die Erfassungen auf dem Gerät löschen.</translation>
    </message>
    <message>
        <source>set: the profile to apply.</source>
        <translation>set: das anzuwendende Profil.</translation>
    </message>
    <message>
        <source>no command &apos;%1&apos;</source>
        <translation>kein Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>--wait takes a whole number of seconds from 1 to %1, not &apos;%2&apos;</source>
        <translation>--wait erwartet eine ganze Zahl von Sekunden von 1 bis %1, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--quiet-time takes a whole number of milliseconds from 1 to %1, not &apos;%2&apos;</source>
        <translation>--quiet-time erwartet eine ganze Zahl von Millisekunden von 1 bis %1, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--quiet-time belongs to send</source>
        <translation>--quiet-time gehört zu send</translation>
    </message>
    <message>
        <source>ports takes no port and no argument: it lists them all</source>
        <translation>ports erwartet keinen Port und kein Argument: Es listet alle auf</translation>
    </message>
    <message>
        <source>--port takes COM1 to COM255, 1 to 255 or a device path, not &apos;%1&apos;</source>
        <translation>--port erwartet COM1 bis COM255, 1 bis 255 oder einen Gerätepfad, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>%1 and %2 are the same device</source>
        <translation>%1 und %2 sind dasselbe Gerät</translation>
    </message>
    <message>
        <source>--yes belongs to erase-records and erase-codes</source>
        <translation>--yes gehört zu erase-records und erase-codes</translation>
    </message>
    <message>
        <source>%1 erases the device&apos;s store: add --yes to do it</source>
        <translation>%1 löscht den Speicher des Geräts: Fügen Sie --yes hinzu, um das zu tun</translation>
    </message>
    <message>
        <source>--from belongs to set</source>
        <translation>--from gehört zu set</translation>
    </message>
    <message>
        <source>--erase belongs to read-records</source>
        <translation>--erase gehört zu read-records</translation>
    </message>
    <message>
        <source>set takes either --from FILE or NAME=VALUE, not both</source>
        <translation>set erwartet entweder --from FILE oder NAME=VALUE, nicht beides</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a text file: %2</source>
        <translation>%1 ist keine Textdatei: %2</translation>
    </message>
    <message>
        <source>set has nothing to set</source>
        <translation>set hat nichts zu setzen</translation>
    </message>
    <message>
        <source>%1 takes one file</source>
        <translation>%1 erwartet eine Datei</translation>
    </message>
    <message>
        <source>%1 takes a file name, not an empty one</source>
        <translation>%1 erwartet einen Dateinamen, keinen leeren</translation>
    </message>
    <message>
        <source>load-codes reads a file, not standard input</source>
        <translation>load-codes liest eine Datei, nicht die Standardeingabe</translation>
    </message>
    <message>
        <source>--erase needs a file: the records leave the device only once they are on disk</source>
        <translation>--erase braucht eine Datei: Die Erfassungen verlassen das Gerät erst, wenn sie auf dem Datenträger sind</translation>
    </message>
    <message>
        <source>with several ports, the file name needs {port}, e.g. records-{port}.csv</source>
        <translation>bei mehreren Ports braucht der Dateiname {port}, z. B. records-{port}.csv</translation>
    </message>
    <message>
        <source>send takes one command line, in quotes when it has blanks</source>
        <translation>send erwartet eine Befehlszeile, in Anführungszeichen, wenn sie Leerzeichen enthält</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot read %1: there is no such file</source>
        <translation>%1 kann nicht gelesen werden: Diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>cannot read %1: it is not a file (a folder, a pipe or a device)</source>
        <translation>%1 kann nicht gelesen werden: Es ist keine Datei (sondern ein Ordner, eine Pipe oder ein Gerät)</translation>
    </message>
    <message>
        <source>cannot read %1: this user may not read it</source>
        <translation>%1 kann nicht gelesen werden: Dieser Benutzer darf sie nicht lesen</translation>
    </message>
    <message>
        <source>%1 is too large for a profile</source>
        <translation>%1 ist zu groß für ein Profil</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Custom codes: %1, records: %2</source>
        <translation>Kundencodes: %1, Erfassungen: %2</translation>
    </message>
</context>
</TS>
