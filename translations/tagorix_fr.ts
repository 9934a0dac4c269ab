<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BlockAccess</name>
    <message>
        <source>Data are not valid.</source>
        <translation>Les données ne sont pas valides.</translation>
    </message>
    <message>
        <source>No block selected!</source>
        <translation>Aucun bloc sélectionné !</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>CommandHelp</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Paramètres :</translation>
    </message>
    <message>
        <source>Prints the settings as the device reports them, one name=value line each, then its battery level and how many custom codes and records it holds. What it prints of one port is a profile for set --from.</source>
        <translation>Affiche les paramètres tels que l&apos;appareil les indique, une ligne name=value chacun, puis son niveau de charge et le nombre de codes client et de saisies qu&apos;il contient. Ce qu&apos;elle affiche pour un port est un profil pour set --from.</translation>
    </message>
    <message>
        <source>Checks each value, sends each setting, each after the device has answered the one before, then asks for each setting changed and fails if the device refused it or it did not take.</source>
        <translation>Vérifie chaque valeur, envoie chaque paramètre, chacun après la réponse de l&apos;appareil au précédent, puis interroge chaque paramètre modifié et échoue si l&apos;appareil l&apos;a refusé ou ne l&apos;a pas pris en compte.</translation>
    </message>
    <message>
        <source>--from FILE  the profile to apply: name=value lines as info prints them</source>
        <translation>--from FILE  le profil à appliquer : des lignes name=value telles que info les affiche</translation>
    </message>
    <message>
        <source>Reads the device&apos;s records into FILE (- for standard output), through FILE.partial until the read-out is complete. {port}, {date} and {time} in FILE stand for the port and the start of the run.</source>
        <translation>Lit les saisies de l&apos;appareil dans FILE (- pour la sortie standard), via FILE.partial jusqu&apos;à ce que la lecture soit complète. {port}, {date} et {time} dans FILE désignent le port et le début de l&apos;exécution.</translation>
    </message>
    <message>
        <source>--erase  once every record is on disk, erase the records on the device</source>
        <translation>--erase  une fois chaque saisie sur le disque, effacer les saisies de l&apos;appareil</translation>
    </message>
    <message>
        <source>Erases the records on the device (&quot;DEL E&quot;), done when it answers &quot;Ok&quot;.</source>
        <translation>Efface les saisies de l&apos;appareil (« DEL E ») ; terminé quand il répond « Ok ».</translation>
    </message>
    <message>
        <source>--yes  confirms the erase</source>
        <translation>--yes  confirme l&apos;effacement</translation>
    </message>
    <message>
        <source>Loads the custom codes of FILE (fields separated by &quot;;&quot;, one data set a line) into the device, line by line, each acknowledged.</source>
        <translation>Charge les codes client de FILE (champs séparés par « ; », un jeu de données par ligne) dans l&apos;appareil, ligne par ligne, chacune confirmée.</translation>
    </message>
    <message>
        <source>Writes the custom codes the device holds into FILE (standard output without it) in the form load-codes reads, so that a backup loads back as it was.</source>
        <translation>Écrit les codes client de l&apos;appareil dans FILE (sur la sortie standard sans FILE) sous la forme que lit load-codes, de sorte qu&apos;une sauvegarde se recharge telle quelle.</translation>
    </message>
    <message>
        <source>Erases the custom codes on the device (&quot;DEL T&quot;), done when it answers &quot;Ok&quot;.</source>
        <translation>Efface les codes client de l&apos;appareil (« DEL T ») ; terminé quand il répond « Ok ».</translation>
    </message>
    <message>
        <source>Reads one transponder&apos;s identifier, within --wait seconds.</source>
        <translation>Lit l&apos;identifiant d&apos;un transpondeur, en --wait secondes au plus.</translation>
    </message>
    <message>
        <source>Scans one barcode, within --wait seconds.</source>
        <translation>Lit un code-barres, en --wait secondes au plus.</translation>
    </message>
    <message>
        <source>Prints every line the device sends, until Ctrl-C.</source>
        <translation>Affiche chaque ligne envoyée par l&apos;appareil, jusqu&apos;à Ctrl+C.</translation>
    </message>
    <message>
        <source>Sends TEXT as one command line, as typed, and prints every line that comes back until the device is quiet for --quiet-time milliseconds.</source>
        <translation>Envoie TEXT tel que saisi comme une ligne de commande et affiche chaque ligne reçue en retour, jusqu&apos;à ce que l&apos;appareil reste silencieux pendant --quiet-time millisecondes.</translation>
    </message>
    <message>
        <source>--quiet-time MS  how long the device may be quiet before the answer counts as whole (default 500)</source>
        <translation>--quiet-time MS  durée de silence de l&apos;appareil après laquelle la réponse est considérée comme complète (500 par défaut)</translation>
    </message>
    <message>
        <source>Lists the ports: what each COMn opens, the serial devices present with their stable name, USB vendor, product and serial number, and which are held, by which program.</source>
        <translation>Liste les ports : ce qu&apos;ouvre chaque COMn, les périphériques série présents avec leur nom stable, leurs fabricant, produit et numéro de série USB, et ceux qui sont occupés, par quel programme.</translation>
    </message>
    <message>
        <source>Shows the help of a command, or of the program.</source>
        <translation>Affiche l&apos;aide d&apos;une commande ou du programme.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>&apos;%1&apos; shows a command&apos;s help; %2 has the rest and the exit statuses.</source>
        <translation>&apos;%1&apos; affiche l&apos;aide d&apos;une commande ; %2 contient le reste et les codes de sortie.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>The options of every command: %1.</source>
        <translation>Les options de toutes les commandes : %1.</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Exemple :</translation>
    </message>
    <message>
        <source>(did you mean &apos;%1&apos;?)</source>
        <translation>(vouliez-vous dire &apos;%1&apos; ?)</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>Saisissez &apos;%1 --help&apos; pour voir les options.</translation>
    </message>
    <message>
        <source>Tests and configures the Tagorix handheld data collector over a serial port.</source>
        <translation>Teste et configure le collecteur de données portable Tagorix par un port série.</translation>
    </message>
    <message>
        <source>Select this port at start: COM1 to COM16, or 1 to 16.</source>
        <translation>Sélectionner ce port au démarrage : COM1 à COM16, ou 1 à 16.</translation>
    </message>
    <message>
        <source>--port takes COM1 to COM16 (or 1 to 16), not &apos;%1&apos;</source>
        <translation>--port attend COM1 à COM16 (ou 1 à 16), pas &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>connecting...</source>
        <translation>connexion...</translation>
    </message>
    <message>
        <source>initialising...</source>
        <translation>initialisation...</translation>
    </message>
    <message>
        <source>The device had not answered the connection yet, so the connection was started again. Wait until %1 reads &quot;%2&quot; before you start a read-out or a load.</source>
        <translation>L&apos;appareil n&apos;avait pas encore répondu à l&apos;établissement de la liaison ; la connexion a donc été relancée. Attendez que le bouton %1 affiche « %2 » avant de lancer une lecture ou un chargement.</translation>
    </message>
    <message>
        <source>Check the device and its cable, then press %1 again.</source>
        <translation>Vérifiez l&apos;appareil et son câble, puis appuyez de nouveau sur %1.</translation>
    </message>
</context>
<context>
    <name>CustomCodes</name>
    <message>
        <source>Dataset %1</source>
        <extracomment>Progress of the load: the line of the custom-code file being sent</extracomment>
        <translation>Jeu de données %1</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>%1 Lines acknowledged by the device: %2. Lines refused or not answered: %3.</source>
        <translation>%1 Lignes confirmées par l&apos;appareil : %2. Lignes refusées ou sans réponse : %3.</translation>
    </message>
    <message>
        <source>The load of custom codes was cut short: the device had acknowledged 1 line.</source>
        <translation>Le chargement des codes client a été interrompu : l&apos;appareil avait confirmé 1 ligne.</translation>
    </message>
    <message numerus="yes">
        <source>The load of custom codes was cut short: the device had acknowledged %1 lines.</source>
        <translation>
            <numerusform>Le chargement des codes client a été interrompu : l&apos;appareil avait confirmé %1 ligne.</numerusform>
            <numerusform>Le chargement des codes client a été interrompu : l&apos;appareil avait confirmé %1 lignes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Whether it stored line %1, sent last, is unknown.</source>
        <translation>On ne sait pas s&apos;il a mémorisé la ligne %1, envoyée en dernier.</translation>
    </message>
    <message>
        <source>The device has sent no record for 5 seconds.</source>
        <translation>L&apos;appareil n&apos;a envoyé aucune saisie depuis 5 secondes.</translation>
    </message>
    <message>
        <source>The device did not say how many records it holds: the records file is unchanged.</source>
        <translation>L&apos;appareil n&apos;a pas indiqué combien de saisies il contient : le fichier des saisies est inchangé.</translation>
    </message>
    <message>
        <source>There are no records present.</source>
        <translation>Il n&apos;y a aucune saisie.</translation>
    </message>
    <message>
        <source>The read-out of records was cut short before the device said how many it holds: the records file is unchanged.</source>
        <translation>La lecture des saisies a été interrompue avant que l&apos;appareil n&apos;indique combien il en contient : le fichier des saisies est inchangé.</translation>
    </message>
    <message>
        <source>The read-out of records was cut short: %1 of the %2 records the device announced are in the file.</source>
        <translation>La lecture des saisies a été interrompue : %1 des %2 saisies annoncées par l&apos;appareil sont dans le fichier.</translation>
    </message>
    <message>
        <source>The device answered &quot;Error&quot;.</source>
        <translation>L&apos;appareil a répondu « Error ».</translation>
    </message>
    <message>
        <source>Transfer of records finished.</source>
        <translation>Transfert des saisies terminé.</translation>
    </message>
    <message>
        <source>The load of custom codes stopped: the device reported &quot;Memory full&quot; at line %1. The lines after it were not sent.</source>
        <translation>Le chargement des codes client s&apos;est arrêté : l&apos;appareil a signalé « Memory full » à la ligne %1. Les lignes suivantes n&apos;ont pas été envoyées.</translation>
    </message>
    <message>
        <source>The load of custom codes stopped: the device did not answer line %1, sent %2 times. The lines after it were not sent.</source>
        <translation>Le chargement des codes client s&apos;est arrêté : l&apos;appareil n&apos;a pas répondu à la ligne %1, envoyée %2 fois. Les lignes suivantes n&apos;ont pas été envoyées.</translation>
    </message>
    <message>
        <source>The load of custom codes reached the end of the file, but the device did not store every line.</source>
        <translation>Le chargement des codes client a atteint la fin du fichier, mais l&apos;appareil n&apos;a pas mémorisé toutes les lignes.</translation>
    </message>
</context>
<context>
    <name>DeviceText</name>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (absent)</translation>
    </message>
    <message>
        <source>%1 (now %2)</source>
        <translation>%1 (actuellement %2)</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial port.</source>
        <translation>%1 est un dossier, pas un port série.</translation>
    </message>
    <message>
        <source>%1 is not a device, so it cannot be a serial port.</source>
        <translation>%1 n&apos;est pas un fichier de périphérique et ne peut donc pas être un port série.</translation>
    </message>
    <message>
        <source>%1 is a memory device, not a serial port.</source>
        <translation>%1 est un périphérique mémoire, pas un port série.</translation>
    </message>
    <message>
        <source>%1 is a file, not a serial port.</source>
        <translation>%1 est un fichier, pas un port série.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument non valide</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>Annuler a été choisi.</translation>
    </message>
    <message>
        <source>Operation valid only when the port is open</source>
        <translation>Opération possible uniquement lorsque le port est ouvert</translation>
    </message>
</context>
<context>
    <name>FilePaths</name>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Select CSV file for opening</source>
        <translation>Choisir le fichier CSV à ouvrir</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Select CSV file for saving</source>
        <translation>Choisir le fichier CSV cible</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>ID or barcode</source>
        <translation>ID ou code-barres</translation>
    </message>
    <message>
        <source>Display line</source>
        <extracomment>The line of the device&apos;s display that the text goes to</extracomment>
        <translation>Ligne de l&apos;écran</translation>
    </message>
    <message>
        <source>Display text</source>
        <translation>Texte de l&apos;écran</translation>
    </message>
    <message>
        <source>Statistic result</source>
        <translation>Résultat des statistiques</translation>
    </message>
    <message>
        <source>Choose the file to save in</source>
        <translation>Choisir le fichier cible</translation>
    </message>
    <message>
        <source>Choose the file to read from</source>
        <translation>Choisir le fichier source</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Read ID</source>
        <translation>Lire l&apos;ID</translation>
    </message>
    <message>
        <source>Scan barcode</source>
        <translation>Lire code-barres</translation>
    </message>
    <message>
        <source>read continously</source>
        <translation>lecture continue</translation>
    </message>
    <message>
        <source>Read text block</source>
        <translation>Lire en texte</translation>
    </message>
    <message>
        <source>Write text block</source>
        <translation>Écrire en texte</translation>
    </message>
    <message>
        <source>Content:</source>
        <extracomment>The text to write into the transponder block</extracomment>
        <translation>Contenu :</translation>
    </message>
    <message>
        <source>Daten als Text</source>
        <extracomment>Tool tip of the field whose text is written into the block</extracomment>
        <translation>Données à écrire, en texte</translation>
    </message>
    <message>
        <source>from</source>
        <extracomment>Block numbers: the first block read or written</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Block numbers: the last block read</extracomment>
        <translation>à</translation>
    </message>
    <message>
        <source>Read Hex</source>
        <translation>Lire en hexa</translation>
    </message>
    <message>
        <source>Key:</source>
        <extracomment>The transponder&apos;s key, 12 hexadecimal digits</extracomment>
        <translation>Clé :</translation>
    </message>
    <message>
        <source>Write Hex</source>
        <translation>Écrire en hexa</translation>
    </message>
    <message>
        <source>Key A</source>
        <extracomment>Which of the transponder&apos;s two keys the key is</extracomment>
        <translation>Clé A</translation>
    </message>
    <message>
        <source>Key B</source>
        <translation>Clé B</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Clear Display</source>
        <translation>Effacer l&apos;écran</translation>
    </message>
    <message>
        <source>Show text</source>
        <translation>Afficher le texte</translation>
    </message>
    <message>
        <source>PC-Time:</source>
        <translation>Heure du PC :</translation>
    </message>
    <message>
        <source>Set time</source>
        <translation>Régler l&apos;heure</translation>
    </message>
    <message>
        <source>Transponder:</source>
        <translation>Transpondeur :</translation>
    </message>
    <message>
        <source>Set tag type</source>
        <translation>Régler le type</translation>
    </message>
    <message>
        <source>Switch off time:</source>
        <translation>Extinction :</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>Unit after the switch-off time: seconds</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>Check box: the device never switches itself off</extracomment>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Set switch off time</source>
        <translation>Régler l&apos;extinction</translation>
    </message>
    <message>
        <source>read timeout:</source>
        <translation>Délai lecture :</translation>
    </message>
    <message>
        <source>x 50ms</source>
        <extracomment>Unit after the read time-out: steps of 50 milliseconds</extracomment>
        <translation>x 50 ms</translation>
    </message>
    <message>
        <source>Set timeout</source>
        <translation>Régler le délai</translation>
    </message>
    <message>
        <source>FDX Code:</source>
        <translation>Code FDX :</translation>
    </message>
    <message>
        <source>Set FDX code</source>
        <translation>Régler le code FDX</translation>
    </message>
    <message>
        <source>Enable buzzer </source>
        <extracomment>Check box; keep the space at the end</extracomment>
        <translation>Activer le bip </translation>
    </message>
    <message>
        <source>Set enable buzzer</source>
        <translation>Régler le bip</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode :</translation>
    </message>
    <message>
        <source>Set mode</source>
        <translation>Régler le mode</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Set language</source>
        <translation>Régler la langue</translation>
    </message>
    <message>
        <source>Menu config</source>
        <extracomment>Frame around the function keys the device&apos;s menu offers</extracomment>
        <translation>Fonctions du menu</translation>
    </message>
    <message>
        <source>F%1 function</source>
        <extracomment>%1 is the number of the function key (F1 to F8)</extracomment>
        <translation>Fonction F%1</translation>
    </message>
    <message>
        <source>Set menu</source>
        <translation>Régler le menu</translation>
    </message>
    <message>
        <source>Register:</source>
        <extracomment>A register of the barcode scanner engine</extracomment>
        <translation>Registre :</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valeur :</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>Reads the scanner register</extracomment>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>Writes the scanner register</extracomment>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Read out records</source>
        <translation>Lire les saisies</translation>
    </message>
    <message>
        <source>save in:</source>
        <extracomment>The records file the read-out writes</extracomment>
        <translation>Cible :</translation>
    </message>
    <message>
        <source>Erase records</source>
        <translation>Effacer les saisies</translation>
    </message>
    <message>
        <source>Load custom codes</source>
        <translation>Charger les codes client</translation>
    </message>
    <message>
        <source>read from:</source>
        <extracomment>The custom-code file the load reads</extracomment>
        <translation>Source :</translation>
    </message>
    <message>
        <source>Erase custom codes</source>
        <translation>Effacer les codes client</translation>
    </message>
    <message>
        <source>Read out custom codes</source>
        <translation>Lire les codes client</translation>
    </message>
    <message>
        <source>Statistic</source>
        <extracomment>Asks the device how many custom codes and records it holds</extracomment>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Port devices</source>
        <extracomment>Button beside the port list</extracomment>
        <translation>Périphériques du port</translation>
    </message>
    <message>
        <source>Choose the device that the selected port opens</source>
        <translation>Choisir le périphérique qu&apos;ouvre le port sélectionné</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Power:</source>
        <extracomment>Caption of the battery bar</extracomment>
        <translation>Charge :</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>OutputBox</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
</context>
<context>
    <name>PageActions</name>
    <message>
        <source>Do you really want to delete all data?</source>
        <translation>Voulez-vous vraiment effacer toutes les données ?</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Title of the question before erasing</extracomment>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>PortAdvice</name>
    <message>
        <source>A port name can also be given any device in the section [Ports] of the settings file %1, for example COM1=/dev/ttyUSB0.</source>
        <translation>Un nom de port peut aussi désigner n&apos;importe quel périphérique, dans la section [Ports] du fichier de paramètres %1, par exemple COM1=/dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>Choose a port in the list, then press Connect again.</source>
        <extracomment>&quot;Connect&quot;: the window&apos;s button of that name.</extracomment>
        <translation>Choisissez un port dans la liste, puis appuyez de nouveau sur Connecter.</translation>
    </message>
    <message>
        <source>This user account may not use the port. Add it to the group that owns the device (dialout on Debian, for example: sudo usermod -aG dialout $USER), then log out and log in again so that the new group takes effect.</source>
        <translation>Ce compte utilisateur n&apos;a pas le droit d&apos;utiliser le port. Ajoutez-le au groupe propriétaire du périphérique (dialout sous Debian, par exemple : sudo usermod -aG dialout $USER), puis déconnectez-vous et reconnectez-vous pour que le nouveau groupe prenne effet.</translation>
    </message>
    <message>
        <source>No device is attached under this port&apos;s name. Plug the device in, or choose the port it is attached to.</source>
        <translation>Aucun appareil n&apos;est branché sous le nom de ce port. Branchez l&apos;appareil ou choisissez le port auquel il est branché.</translation>
    </message>
    <message>
        <source>Another program is using this port. Close that program, or choose another port.</source>
        <translation>Un autre programme utilise ce port. Fermez ce programme ou choisissez un autre port.</translation>
    </message>
    <message>
        <source>Another program is using this port: it is in use by %1. Close that program, or choose another port.</source>
        <translation>Un autre programme utilise ce port : il est occupé par %1. Fermez ce programme ou choisissez un autre port.</translation>
    </message>
    <message>
        <source>The device under this port&apos;s name is not a serial port. Choose another port.</source>
        <translation>Le périphérique sous le nom de ce port n&apos;est pas un port série. Choisissez un autre port.</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
</context>
<context>
    <name>PortAssignment</name>
    <message>
        <source>Assign a device to %1...</source>
        <translation>Attribuer un périphérique à %1...</translation>
    </message>
    <message>
        <source>Assign a device...</source>
        <translation>Attribuer un périphérique...</translation>
    </message>
    <message>
        <source>%1, opens %2</source>
        <translation>%1, ouvre %2</translation>
    </message>
    <message>
        <source>Show the serial devices of this computer, to choose the one %1 opens?</source>
        <translation>Afficher les périphériques série de cet ordinateur pour choisir celui qu&apos;ouvre %1 ?</translation>
    </message>
    <message>
        <source>Opens %1</source>
        <translation>Ouvre %1</translation>
    </message>
</context>
<context>
    <name>PortAssignmentDialog</name>
    <message>
        <source>Device for %1</source>
        <translation>Périphérique pour %1</translation>
    </message>
    <message>
        <source>Serial devices of this computer:</source>
        <translation>Périphériques série de cet ordinateur :</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <source>Assigned to</source>
        <translation>Attribué à</translation>
    </message>
    <message>
        <source>Stable name</source>
        <translation>Nom stable</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>USB id</source>
        <translation>ID USB</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>&amp;Chemin :</translation>
    </message>
    <message>
        <source>a listed device, or any other: /dev/pts/3, /dev/rfcomm0</source>
        <translation>un périphérique de la liste, ou un autre : /dev/pts/3, /dev/rfcomm0</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Assign to %1</source>
        <translation>&amp;Attribuer à %1</translation>
    </message>
    <message>
        <source>Use &amp;default</source>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>%1 opens %2</source>
        <translation>%1 ouvre %2</translation>
    </message>
    <message>
        <source>%1 opens the default %2</source>
        <translation>%1 ouvre %2 (par défaut)</translation>
    </message>
</context>
<context>
    <name>PortListing</name>
    <message>
        <source>, held by %1</source>
        <translation>, occupé par %1</translation>
    </message>
    <message>
        <source>Ports (as mapped in %1):</source>
        <translation>Ports (selon l&apos;attribution dans %1) :</translation>
    </message>
    <message>
        <source> (default)</source>
        <translation> (par défaut)</translation>
    </message>
    <message>
        <source>, not present</source>
        <translation>, absent</translation>
    </message>
    <message>
        <source>, now %1</source>
        <translation>, actuellement %1</translation>
    </message>
    <message>
        <source>No serial device is present.</source>
        <translation>Aucun périphérique série présent.</translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation>Périphériques série présents :</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numéro de série %1</translation>
    </message>
</context>
<context>
    <name>PortRun</name>
    <message>
        <source>terminated.</source>
        <translation>terminé.</translation>
    </message>
    <message>
        <source>hung up.</source>
        <translation>terminal déconnecté.</translation>
    </message>
    <message>
        <source>interrupted.</source>
        <translation>interrompu.</translation>
    </message>
    <message>
        <source>1 record in %2</source>
        <translation>1 saisie dans %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 records in %2</source>
        <translation>
            <numerusform>%1 saisie dans %2</numerusform>
            <numerusform>%1 saisies dans %2</numerusform>
        </translation>
    </message>
    <message>
        <source>records %1/%2</source>
        <extracomment>Progress of a read-out: one word, then the records written and announced.</extracomment>
        <translation>saisies %1/%2</translation>
    </message>
    <message>
        <source>codes %1/%2</source>
        <extracomment>Progress of a load: one word, then the line being sent and the file&apos;s lines.</extracomment>
        <translation>codes %1/%2</translation>
    </message>
    <message>
        <source>line %1 is empty: sent as an empty code</source>
        <translation>la ligne %1 est vide : envoyée comme code vide</translation>
    </message>
    <message>
        <source>the device answered &quot;%1&quot; when asked for its %2 (%3).</source>
        <translation>l&apos;appareil a répondu « %1 » à la demande du paramètre %2 (%3).</translation>
    </message>
    <message>
        <source>the device did not report all its settings.</source>
        <translation>l&apos;appareil n&apos;a pas indiqué tous ses paramètres.</translation>
    </message>
    <message>
        <source>the device did not say how many records it holds.</source>
        <translation>l&apos;appareil n&apos;a pas indiqué combien de saisies il contient.</translation>
    </message>
    <message>
        <source>records erased</source>
        <translation>saisies effacées</translation>
    </message>
    <message>
        <source>custom codes erased</source>
        <translation>codes client effacés</translation>
    </message>
    <message>
        <source>no such command</source>
        <translation>commande inconnue</translation>
    </message>
    <message>
        <source>read at %1 from %2</source>
        <translation>lu le %1 depuis %2</translation>
    </message>
    <message>
        <source>read at %1</source>
        <translation>lu le %1</translation>
    </message>
    <message>
        <source>the device refused %1: it answered &quot;%2&quot;.</source>
        <translation>l&apos;appareil a refusé %1 : il a répondu « %2 ».</translation>
    </message>
    <message>
        <source>the device did not answer %1.</source>
        <translation>l&apos;appareil n&apos;a pas répondu à %1.</translation>
    </message>
    <message>
        <source>did not take %1 (the device reports %2)</source>
        <translation>%1 n&apos;a pas été pris en compte (l&apos;appareil indique %2)</translation>
    </message>
    <message>
        <source>1 setting set and read back</source>
        <translation>1 paramètre réglé et relu</translation>
    </message>
    <message numerus="yes">
        <source>%1 settings set and read back</source>
        <translation>
            <numerusform>%1 paramètre réglé et relu</numerusform>
            <numerusform>%1 paramètres réglés et relus</numerusform>
        </translation>
    </message>
    <message>
        <source>no records on the device</source>
        <translation>aucune saisie sur l&apos;appareil</translation>
    </message>
    <message>
        <source>%1 holds %2 records, not the %3 the device announced.</source>
        <translation>%1 contient %2 saisies, et non les %3 annoncées par l&apos;appareil.</translation>
    </message>
    <message>
        <source>standard output</source>
        <extracomment>Where the records went: the place in &quot;%1 records in %2&quot;.</extracomment>
        <translation>la sortie standard</translation>
    </message>
    <message>
        <source>The records read are in %1.</source>
        <translation>Les saisies lues sont dans %1.</translation>
    </message>
    <message>
        <source>%1, not erased: %2</source>
        <translation>%1, non effacées : %2</translation>
    </message>
    <message>
        <source>the device now holds %1 records.</source>
        <translation>l&apos;appareil contient maintenant %1 saisies.</translation>
    </message>
    <message>
        <source>%1, erased on the device</source>
        <translation>%1, effacées de l&apos;appareil</translation>
    </message>
    <message>
        <source>%1 %2 of the %3 records the device announced are in %4.</source>
        <translation>%1 %2 des %3 saisies annoncées par l&apos;appareil sont dans %4.</translation>
    </message>
    <message>
        <source>1 line of custom codes loaded from %2</source>
        <translation>1 ligne de codes client chargée depuis %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines of custom codes loaded from %2</source>
        <translation>
            <numerusform>%1 ligne de codes client chargée depuis %2</numerusform>
            <numerusform>%1 lignes de codes client chargées depuis %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the device did not say how many custom codes it holds.</source>
        <translation>l&apos;appareil n&apos;a pas indiqué combien de codes client il contient.</translation>
    </message>
    <message>
        <source>the device sent %1 of the %2 custom codes it holds; %3 could not be seen (an empty code comes as an empty line).</source>
        <translation>l&apos;appareil a envoyé %1 des %2 codes client qu&apos;il contient ; %3 n&apos;ont pas pu être vus (un code vide arrive sous forme de ligne vide).</translation>
    </message>
    <message>
        <source>the device sent %1 of the %2 custom codes it holds in %3; %4 could not be seen (an empty code comes as an empty line).</source>
        <translation>l&apos;appareil a envoyé %1 des %2 codes client qu&apos;il contient dans %3 ; %4 n&apos;ont pas pu être vus (un code vide arrive sous forme de ligne vide).</translation>
    </message>
    <message>
        <source>1 custom code</source>
        <translation>1 code client</translation>
    </message>
    <message numerus="yes">
        <source>%1 custom codes</source>
        <translation>
            <numerusform>%1 code client</numerusform>
            <numerusform>%1 codes client</numerusform>
        </translation>
    </message>
    <message>
        <source>1 custom code in %2</source>
        <translation>1 code client dans %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 custom codes in %2</source>
        <translation>
            <numerusform>%1 code client dans %2</numerusform>
            <numerusform>%1 codes client dans %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the device answered &quot;%1&quot; to the erase.</source>
        <translation>l&apos;appareil a répondu « %1 » à l&apos;effacement.</translation>
    </message>
    <message>
        <source>the device did not answer the erase.</source>
        <translation>l&apos;appareil n&apos;a pas répondu à l&apos;effacement.</translation>
    </message>
    <message>
        <source>the device sent nothing within %1 s.</source>
        <translation>l&apos;appareil n&apos;a rien envoyé en %1 s.</translation>
    </message>
    <message>
        <source>monitor ended</source>
        <translation>monitor terminé</translation>
    </message>
    <message>
        <source>1 line came back</source>
        <translation>1 ligne reçue en retour</translation>
    </message>
    <message numerus="yes">
        <source>%1 lines came back</source>
        <translation>
            <numerusform>%1 ligne reçue en retour</numerusform>
            <numerusform>%1 lignes reçues en retour</numerusform>
        </translation>
    </message>
    <message>
        <source>the port closed.</source>
        <translation>le port s&apos;est fermé.</translation>
    </message>
    <message>
        <source>the device did not answer within %1 s.</source>
        <translation>l&apos;appareil n&apos;a pas répondu en %1 s.</translation>
    </message>
</context>
<context>
    <name>QtSerialPort</name>
    <message>
        <source>Port already open</source>
        <translation>Port déjà ouvert</translation>
    </message>
    <message>
        <source>the device took no data for 2 seconds</source>
        <translation>l&apos;appareil n&apos;a accepté aucune donnée pendant 2 secondes</translation>
    </message>
    <message>
        <source>the port reports that the device is gone (unplugged, switched off, or its line hung up). The system says: %1</source>
        <translation>le port signale que l&apos;appareil a disparu (débranché, éteint ou ligne coupée). Le système indique : %1</translation>
    </message>
    <message>
        <source>the port reports that the device is gone (unplugged, switched off, or its line hung up)</source>
        <translation>le port signale que l&apos;appareil a disparu (débranché, éteint ou ligne coupée)</translation>
    </message>
    <message>
        <source>The connection to the device was lost: %1.</source>
        <translation>La connexion à l&apos;appareil a été perdue : %1.</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>The settings could not be saved in %1.</source>
        <translation>Impossible d&apos;enregistrer les paramètres dans %1.</translation>
    </message>
</context>
<context>
    <name>RecordsTarget</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>SelectionLists</name>
    <message>
        <source>0 - read only</source>
        <translation>0 - lecture seule</translation>
    </message>
    <message>
        <source>1 - read write</source>
        <translation>1 - lect./écrit.</translation>
    </message>
    <message>
        <source>2 - ro with number</source>
        <translation>2 - lect. seule, n°</translation>
    </message>
    <message>
        <source>3 - HitagS rw</source>
        <translation>3 - HitagS L/E</translation>
    </message>
    <message>
        <source>0 - All</source>
        <translation>0 - Tous</translation>
    </message>
    <message>
        <source>1 - Hexadecimal</source>
        <translation>1 - Hexadécimal</translation>
    </message>
    <message>
        <source>2 - ISO animal</source>
        <translation>2 - ISO animaux</translation>
    </message>
    <message>
        <source>3 - ISO industry</source>
        <translation>3 - ISO industrie</translation>
    </message>
    <message>
        <source>6 - Hex Invers</source>
        <translation>6 - Hexa inversé</translation>
    </message>
    <message>
        <source>7 - Decimal</source>
        <translation>7 - Décimal</translation>
    </message>
    <message>
        <source>8 - Hex bytewise invers</source>
        <translation>8 - Hexa inversé par octet</translation>
    </message>
    <message>
        <source>0 - German</source>
        <translation>0 - Allemand</translation>
    </message>
    <message>
        <source>1 - English</source>
        <translation>1 - Anglais</translation>
    </message>
    <message>
        <source>2 - French</source>
        <translation>2 - Français</translation>
    </message>
    <message>
        <source>3 - Polski</source>
        <translation>3 - Polonais</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Code-barres</translation>
    </message>
    <message>
        <source>Data exchange</source>
        <translation>Échange de données</translation>
    </message>
    <message>
        <source>001 - UPC-A enable (0/1)</source>
        <translation>001 - Activer UPC-A (0/1)</translation>
    </message>
    <message>
        <source>002 - UPC-E enable (0/1)</source>
        <translation>002 - Activer UPC-E (0/1)</translation>
    </message>
    <message>
        <source>012 - UPC-E1 enable (0/1)</source>
        <translation>012 - Activer UPC-E1 (0/1)</translation>
    </message>
    <message>
        <source>003 - EAN-13 enable (0/1)</source>
        <translation>003 - Activer EAN-13 (0/1)</translation>
    </message>
    <message>
        <source>004 - EAN-8 enable (0/1)</source>
        <translation>004 - Activer EAN-8 (0/1)</translation>
    </message>
    <message>
        <source>083 - Bookland EAN enable (0/1)</source>
        <translation>083 - Activer Bookland EAN (0/1)</translation>
    </message>
    <message>
        <source>016 - Decode UPC/EAN supplementals (0...2)</source>
        <translation>016 - Décoder les suppléments UPC/EAN (0...2)</translation>
    </message>
    <message>
        <source>080 - Decode UPC/EAN supplemantel redundancy (2...20)</source>
        <translation>080 - Redondance des suppléments UPC/EAN (2...20)</translation>
    </message>
    <message>
        <source>040 - UPC-A check digit enable (0/1)</source>
        <translation>040 - Activer le chiffre de contrôle UPC-A (0/1)</translation>
    </message>
    <message>
        <source>041 - UPC-E check digit enable (0/1)</source>
        <translation>041 - Activer le chiffre de contrôle UPC-E (0/1)</translation>
    </message>
    <message>
        <source>042 - UPC-E1 check digit enable (0/1)</source>
        <translation>042 - Activer le chiffre de contrôle UPC-E1 (0/1)</translation>
    </message>
    <message>
        <source>034 - UPC-A Preamble (0...2)</source>
        <translation>034 - Préambule UPC-A (0...2)</translation>
    </message>
    <message>
        <source>035 - UPC-E Preamble (0...2)</source>
        <translation>035 - Préambule UPC-E (0...2)</translation>
    </message>
    <message>
        <source>036 - UPC-E1 Preamble (0...2)</source>
        <translation>036 - Préambule UPC-E1 (0...2)</translation>
    </message>
    <message>
        <source>037 - Convert UPC-E to UPC-A enable (0/1)</source>
        <translation>037 - Activer la conversion UPC-E en UPC-A (0/1)</translation>
    </message>
    <message>
        <source>038 - Convert UPC-E1 to UPC-A enable (0/1)</source>
        <translation>038 - Activer la conversion UPC-E1 en UPC-A (0/1)</translation>
    </message>
    <message>
        <source>039 - EAN-8 zero-extend enable (0/1)</source>
        <translation>039 - Activer l&apos;extension de EAN-8 par des zéros (0/1)</translation>
    </message>
    <message>
        <source>224 - Convert EAN-8 to EAN-13 enable (0/1)</source>
        <translation>224 - Activer la conversion EAN-8 en EAN-13 (0/1)</translation>
    </message>
    <message>
        <source>077 - UPC/EAN security level (0...3)</source>
        <translation>077 - Niveau de sécurité UPC/EAN (0...3)</translation>
    </message>
    <message>
        <source>085 - UPC/EAN Coupon code enable (0/1)</source>
        <translation>085 - Activer le code coupon UPC/EAN (0/1)</translation>
    </message>
    <message>
        <source>008 - USS-128 enable (0/1)</source>
        <translation>008 - Activer USS-128 (0/1)</translation>
    </message>
    <message>
        <source>014 - UCC/EAN-128 enable (0/1)</source>
        <translation>014 - Activer UCC/EAN-128 (0/1)</translation>
    </message>
    <message>
        <source>084 - ISBT 128 enable (0/1)</source>
        <translation>084 - Activer ISBT 128 (0/1)</translation>
    </message>
    <message>
        <source>000 - Code 39 enable (0/1)</source>
        <translation>000 - Activer Code 39 (0/1)</translation>
    </message>
    <message>
        <source>013 - Trioptic Code 39 enable (0/1)</source>
        <translation>013 - Activer Trioptic Code 39 (0/1)</translation>
    </message>
    <message>
        <source>086 - Convert Code 39 to Code 32 enable (0/1)</source>
        <translation>086 - Activer la conversion Code 39 en Code 32 (0/1)</translation>
    </message>
    <message>
        <source>231 - Code 32 prefix enable (0/1)</source>
        <translation>231 - Activer le préfixe Code 32 (0/1)</translation>
    </message>
    <message>
        <source>018 - Set Length for Code 39 L1 (0...255)</source>
        <translation>018 - Longueur L1 pour Code 39 (0...255)</translation>
    </message>
    <message>
        <source>019 - Set Length for Code 39 L2 (0...255)</source>
        <translation>019 - Longueur L2 pour Code 39 (0...255)</translation>
    </message>
    <message>
        <source>048 - Code 39 Check Digit verification enable (0/1)</source>
        <translation>048 - Vérifier le chiffre de contrôle Code 39 (0/1)</translation>
    </message>
    <message>
        <source>043 - Code 39 Check Digit enable (0/1)</source>
        <translation>043 - Activer le chiffre de contrôle Code 39 (0/1)</translation>
    </message>
    <message>
        <source>017 - Code 39 Full ASCII conversion enable (0/1)</source>
        <translation>017 - Activer la conversion Code 39 en Full ASCII (0/1)</translation>
    </message>
    <message>
        <source>009 - Code 93 enable (0/1)</source>
        <translation>009 - Activer Code 93 (0/1)</translation>
    </message>
    <message>
        <source>026 - Set Length for Code 93 L1 (0...255)</source>
        <translation>026 - Longueur L1 pour Code 93 (0...255)</translation>
    </message>
    <message>
        <source>027 - Set Length for Code 93 L2 (0...255)</source>
        <translation>027 - Longueur L2 pour Code 93 (0...255)</translation>
    </message>
    <message>
        <source>006 - Interleaved 2of5 enable (0/1)</source>
        <translation>006 - Activer Interleaved 2of5 (0/1)</translation>
    </message>
    <message>
        <source>022 - Set Length for Interleaved 2of5 L1 (0...255)</source>
        <translation>022 - Longueur L1 pour Interleaved 2of5 (0...255)</translation>
    </message>
    <message>
        <source>023 - Set Length for Interleaved 2of5 L2 (0...255)</source>
        <translation>023 - Longueur L2 pour Interleaved 2of5 (0...255)</translation>
    </message>
    <message>
        <source>049 - Interleaved 2of5 Check Digit verification enable (0/1)</source>
        <translation>049 - Vérifier le chiffre de contrôle Interleaved 2of5 (0/1)</translation>
    </message>
    <message>
        <source>044 - Interleaved 2of5 Check Digit enable (0/1)</source>
        <translation>044 - Activer le chiffre de contrôle Interleaved 2of5 (0/1)</translation>
    </message>
    <message>
        <source>082 - Convert Interleaved 2of5 to EAN-13 enable (0/1)</source>
        <translation>082 - Activer la conversion Interleaved 2of5 en EAN-13 (0/1)</translation>
    </message>
    <message>
        <source>005 - Discrete 2of5 enable (0/1)</source>
        <translation>005 - Activer Discrete 2of5 (0/1)</translation>
    </message>
    <message>
        <source>020 - Set Length for Discrete 2of5 L1 (0...255)</source>
        <translation>020 - Longueur L1 pour Discrete 2of5 (0...255)</translation>
    </message>
    <message>
        <source>021 - Set Length for Discrete 2of5 L2 (0...255)</source>
        <translation>021 - Longueur L2 pour Discrete 2of5 (0...255)</translation>
    </message>
    <message>
        <source>007 - Codabar enable (0/1)</source>
        <translation>007 - Activer Codabar (0/1)</translation>
    </message>
    <message>
        <source>024 - Set Length for Codabar L1 (0...255)</source>
        <translation>024 - Longueur L1 pour Codabar (0...255)</translation>
    </message>
    <message>
        <source>025 - Set Length for Codabar L2 (0...255)</source>
        <translation>025 - Longueur L2 pour Codabar (0...255)</translation>
    </message>
    <message>
        <source>054 - CLSI editing enable (0/1)</source>
        <translation>054 - Activer l&apos;édition CLSI (0/1)</translation>
    </message>
    <message>
        <source>055 - NOTIS editing (0/1)</source>
        <translation>055 - Édition NOTIS (0/1)</translation>
    </message>
    <message>
        <source>011 - MSI Plessey enable (0/1)</source>
        <translation>011 - Activer MSI Plessey (0/1)</translation>
    </message>
    <message>
        <source>030 - Set Length for MSI Plessey L1 (0...255)</source>
        <translation>030 - Longueur L1 pour MSI Plessey (0...255)</translation>
    </message>
    <message>
        <source>031 - Set Length for MSI Plessey L2 (0...255)</source>
        <translation>031 - Longueur L2 pour MSI Plessey (0...255)</translation>
    </message>
    <message>
        <source>050 - MSI Plessey Check Digits (1/2)</source>
        <translation>050 - Chiffres de contrôle MSI Plessey (1/2)</translation>
    </message>
    <message>
        <source>046 - MSI Plessey Check Digit enable (0/1)</source>
        <translation>046 - Activer le chiffre de contrôle MSI Plessey (0/1)</translation>
    </message>
    <message>
        <source>051 - MSI Plessey Check Digit algorithm (0/1)</source>
        <translation>051 - Algorithme du chiffre de contrôle MSI Plessey (0/1)</translation>
    </message>
    <message>
        <source>191 - Scan angle (100/75/60/45)</source>
        <translation>191 - Angle de balayage (100/75/60/45)</translation>
    </message>
</context>
<context>
    <name>SequentialFile</name>
    <message>
        <source>Path/File access error: %1 is not a regular file (a named pipe, a socket or a device)</source>
        <translation>Erreur d&apos;accès au chemin/fichier : %1 n&apos;est pas un fichier ordinaire (mais un tube nommé, un socket ou un périphérique)</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nom ou numéro de fichier incorrect</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Erreur d&apos;accès au chemin/fichier : %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>Impossible d&apos;écrire dans %1 : %2</translation>
    </message>
    <message>
        <source>Bad file name: no file name given</source>
        <translation>Nom de fichier incorrect : aucun nom indiqué</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Chemin introuvable : %1</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable : %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is a folder</source>
        <translation>Erreur d&apos;accès au chemin/fichier : %1 est un dossier</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>Permission refusée : %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot read from %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot put %1 on the disk: %2</source>
        <translation>Impossible d&apos;écrire %1 sur le disque : %2</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 attend %2, pas &apos;%3&apos;</translation>
    </message>
    <message>
        <source>a transponder type from 0 to 11</source>
        <translation>un type de transpondeur de 0 à 11</translation>
    </message>
    <message>
        <source>a whole number of seconds, or never</source>
        <extracomment>&quot;never&quot; is the value as the user types it: keep it in English.</extracomment>
        <translation>un nombre entier de secondes, ou never</translation>
    </message>
    <message>
        <source>a whole number of 50 ms steps</source>
        <translation>un nombre entier de pas de 50 ms</translation>
    </message>
    <message>
        <source>an FDX code format from 1 to 8</source>
        <translation>un format de code FDX de 1 à 8</translation>
    </message>
    <message>
        <source>0 (off) or 1 (on)</source>
        <translation>0 (désactivé) ou 1 (activé)</translation>
    </message>
    <message>
        <source>an operating mode from 0 to 3</source>
        <translation>un mode de 0 à 3</translation>
    </message>
    <message>
        <source>the sum of its menu keys F1 = 1, F2 = 2, F3 = 4, F4 = 8 and F5 = 16, from 0 to 31</source>
        <translation>la somme de ses touches de menu F1 = 1, F2 = 2, F3 = 4, F4 = 8 et F5 = 16, de 0 à 31</translation>
    </message>
    <message>
        <source>a language from 0 to 3</source>
        <translation>une langue de 0 à 3</translation>
    </message>
    <message>
        <source>nothing: the device reports it</source>
        <translation>rien : c&apos;est l&apos;appareil qui l&apos;indique</translation>
    </message>
    <message>
        <source>now, or a time dd.mm.yyyy hh:mm</source>
        <extracomment>&quot;now&quot; is the value as the user types it: keep it in English. The time&apos;s digits stand in that order, with the dot, the blank and the colon.</extracomment>
        <translation>now, ou une heure jj.mm.aaaa hh:mm</translation>
    </message>
</context>
<context>
    <name>SettingChange</name>
    <message>
        <source>&apos;%1&apos; is not name=value</source>
        <translation>&apos;%1&apos; n&apos;est pas de la forme nom=valeur</translation>
    </message>
    <message>
        <source>%1 is reported by the device and cannot be set</source>
        <translation>%1 est indiqué par l&apos;appareil et ne peut pas être réglé</translation>
    </message>
    <message>
        <source>no setting &apos;%1&apos;</source>
        <translation>aucun paramètre &apos;%1&apos;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>Shelf</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>the write failed</source>
        <translation>l&apos;écriture a échoué</translation>
    </message>
    <message>
        <source>%1 ports at work</source>
        <translation>%1 ports en cours</translation>
    </message>
    <message>
        <source>%1 ports: %2 %3/%4</source>
        <translation>%1 ports : %2 %3/%4</translation>
    </message>
</context>
<context>
    <name>ShelfRequest</name>
    <message>
        <source>it is UTF-16; save it as UTF-8</source>
        <translation>il est en UTF-16 ; enregistrez-le en UTF-8</translation>
    </message>
    <message>
        <source>it holds NUL bytes</source>
        <translation>il contient des octets NUL</translation>
    </message>
    <message>
        <source>it is not UTF-8</source>
        <translation>il n&apos;est pas en UTF-8</translation>
    </message>
    <message>
        <source>cannot write %1: the folder %2 does not exist</source>
        <translation>impossible d&apos;écrire %1 : le dossier %2 n&apos;existe pas</translation>
    </message>
    <message>
        <source>cannot write %1: the folder %2 cannot be written</source>
        <translation>impossible d&apos;écrire %1 : le dossier %2 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>Runs one command on one or more Tagorix data collectors at once, from scripts.</source>
        <translation>Exécute une commande sur un ou plusieurs collecteurs de données Tagorix à la fois, depuis des scripts.</translation>
    </message>
    <message>
        <source>The port: COM1 to COM255 or 1 to 255 (as the window names them), or a device path. Give it more than once, or as COM1,COM2, to run on several ports at the same time.</source>
        <translation>Le port : COM1 à COM255 ou 1 à 255 (comme les nomme la fenêtre), ou un chemin de périphérique. À indiquer plusieurs fois, ou sous la forme COM1,COM2, pour travailler sur plusieurs ports à la fois.</translation>
    </message>
    <message>
        <source>One JSON object per port.</source>
        <translation>Un objet JSON par port.</translation>
    </message>
    <message>
        <source>No progress on the terminal.</source>
        <translation>Pas de progression dans le terminal.</translation>
    </message>
    <message>
        <source>How long the device may take to answer the connection, an identifier or a barcode (default 10).</source>
        <translation>Temps dont l&apos;appareil dispose pour répondre à l&apos;établissement de la liaison, pour un identifiant ou un code-barres (10 par défaut).</translation>
    </message>
    <message>
        <source>Every line on the wire, both ways, with the time, on standard error.</source>
        <translation>Chaque ligne sur la liaison, dans les deux sens, avec l&apos;heure, sur la sortie d&apos;erreur standard.</translation>
    </message>
    <message>
        <source>send: how long the device may be quiet before its answer counts as whole (default 500).</source>
        <translation>send : durée de silence de l&apos;appareil après laquelle sa réponse est considérée comme complète (500 par défaut).</translation>
    </message>
    <message>
        <source>Confirms an erase.</source>
        <translation>Confirme l&apos;effacement.</translation>
    </message>
    <message>
        <source>read-records: once every record is on disk, erase the records on the device.</source>
        <translation>read-records : une fois chaque saisie sur le disque, effacer les saisies de l&apos;appareil.</translation>
    </message>
    <message>
        <source>set: the profile to apply.</source>
        <translation>set : le profil à appliquer.</translation>
    </message>
    <message>
        <source>no command &apos;%1&apos;</source>
        <translation>aucune commande &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>--wait takes a whole number of seconds from 1 to %1, not &apos;%2&apos;</source>
        <translation>--wait attend un nombre entier de secondes de 1 à %1, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--quiet-time takes a whole number of milliseconds from 1 to %1, not &apos;%2&apos;</source>
        <translation>--quiet-time attend un nombre entier de millisecondes de 1 à %1, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--quiet-time belongs to send</source>
        <translation>--quiet-time s&apos;utilise avec send</translation>
    </message>
    <message>
        <source>ports takes no port and no argument: it lists them all</source>
        <translation>ports n&apos;accepte ni port ni argument : il les liste tous</translation>
    </message>
    <message>
        <source>--port takes COM1 to COM255, 1 to 255 or a device path, not &apos;%1&apos;</source>
        <translation>--port attend COM1 à COM255, 1 à 255 ou un chemin de périphérique, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est indiqué deux fois</translation>
    </message>
    <message>
        <source>%1 and %2 are the same device</source>
        <translation>%1 et %2 sont le même périphérique</translation>
    </message>
    <message>
        <source>--yes belongs to erase-records and erase-codes</source>
        <translation>--yes s&apos;utilise avec erase-records et erase-codes</translation>
    </message>
    <message>
        <source>%1 erases the device&apos;s store: add --yes to do it</source>
        <translation>%1 efface la mémoire de l&apos;appareil : ajoutez --yes pour le faire</translation>
    </message>
    <message>
        <source>--from belongs to set</source>
        <translation>--from s&apos;utilise avec set</translation>
    </message>
    <message>
        <source>--erase belongs to read-records</source>
        <translation>--erase s&apos;utilise avec read-records</translation>
    </message>
    <message>
        <source>set takes either --from FILE or NAME=VALUE, not both</source>
        <translation>set attend soit --from FILE, soit NAME=VALUE, pas les deux</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a text file: %2</source>
        <translation>%1 n&apos;est pas un fichier texte : %2</translation>
    </message>
    <message>
        <source>set has nothing to set</source>
        <translation>set n&apos;a rien à régler</translation>
    </message>
    <message>
        <source>%1 takes one file</source>
        <translation>%1 attend un fichier</translation>
    </message>
    <message>
        <source>%1 takes a file name, not an empty one</source>
        <translation>%1 attend un nom de fichier, pas un nom vide</translation>
    </message>
    <message>
        <source>load-codes reads a file, not standard input</source>
        <translation>load-codes lit un fichier, pas l&apos;entrée standard</translation>
    </message>
    <message>
        <source>--erase needs a file: the records leave the device only once they are on disk</source>
        <translation>--erase a besoin d&apos;un fichier : les saisies ne quittent l&apos;appareil qu&apos;une fois sur le disque</translation>
    </message>
    <message>
        <source>with several ports, the file name needs {port}, e.g. records-{port}.csv</source>
        <translation>avec plusieurs ports, le nom de fichier doit contenir {port}, par ex. records-{port}.csv</translation>
    </message>
    <message>
        <source>send takes one command line, in quotes when it has blanks</source>
        <translation>send attend une ligne de commande, entre guillemets si elle contient des espaces</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot read %1: there is no such file</source>
        <translation>impossible de lire %1 : ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>cannot read %1: it is not a file (a folder, a pipe or a device)</source>
        <translation>impossible de lire %1 : ce n&apos;est pas un fichier (mais un dossier, un tube ou un périphérique)</translation>
    </message>
    <message>
        <source>cannot read %1: this user may not read it</source>
        <translation>impossible de lire %1 : cet utilisateur n&apos;a pas le droit de le lire</translation>
    </message>
    <message>
        <source>%1 is too large for a profile</source>
        <translation>%1 est trop volumineux pour un profil</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Custom codes: %1, records: %2</source>
        <translation>Codes client : %1, saisies : %2</translation>
    </message>
</context>
</TS>
