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
    <name>Statistics</name>
    <message>
        <source>Custom codes: %1, records: %2</source>
        <translation>Kundencodes: %1, Erfassungen: %2</translation>
    </message>
</context>
</TS>
