<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>EventsEditor</name>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Action parameters</source>
        <translation>Parameter der Aktion</translation>
    </message>
    <message>
        <source>The chosen action</source>
        <translation>Die gewählte Aktion</translation>
    </message>
    <message>
        <source>has no parameters</source>
        <translation>hat keine Parameter</translation>
    </message>
    <message>
        <source>Text message</source>
        <translation>Textnachricht</translation>
    </message>
    <message>
        <source>make &amp;automatically</source>
        <translation>&amp;automatisch erstellen</translation>
    </message>
    <message>
        <source>specify the &amp;message text</source>
        <translation>&amp;Nachrichtentext angeben</translation>
    </message>
    <message>
        <source>Name the busiest process</source>
        <translation>Größten Verbraucher nennen</translation>
    </message>
    <message>
        <source>A last line names the program using most of the resource: the most processor time, or the most memory of the kind the event watches</source>
        <translation>Eine letzte Zeile nennt das Programm, das die Ressource am stärksten nutzt: die meiste Prozessorzeit oder den meisten Speicher der Art, die das Ereignis überwacht</translation>
    </message>
    <message>
        <source>As a desktop notification</source>
        <translation>Als Desktop-Benachrichtigung</translation>
    </message>
    <message>
        <source>The desktop shows the message in its own way; where it cannot, the box shows</source>
        <translation>Der Desktop zeigt die Nachricht auf seine Weise; wo er das nicht kann, erscheint das Nachrichtenfenster</translation>
    </message>
    <message>
        <source>Sound signal</source>
        <translation>Tonsignal</translation>
    </message>
    <message>
        <source>&amp;Sound signal</source>
        <translation>&amp;Tonsignal</translation>
    </message>
    <message>
        <source>Check up</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Frequency of a signal</source>
        <translation>Frequenz des Signals</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Duration of a impulse</source>
        <translation>Dauer eines Impulses</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Time of a pause</source>
        <translation>Dauer einer Pause</translation>
    </message>
    <message>
        <source>Play back a signal</source>
        <translation>Signal abspielen</translation>
    </message>
    <message>
        <source>&amp;during</source>
        <translation>&amp;Dauer</translation>
    </message>
    <message>
        <source>exact &amp;number of times</source>
        <translation>An&amp;zahl der Wiederholungen</translation>
    </message>
    <message>
        <source>&amp;permanently</source>
        <translation>&amp;ständig</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>hr.</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Number of times</source>
        <translation>Anzahl der Wiederholungen</translation>
    </message>
    <message>
        <source>Start the application</source>
        <translation>Anwendung starten</translation>
    </message>
    <message>
        <source>Application file:</source>
        <translation>Anwendungsdatei:</translation>
    </message>
    <message>
        <source>Execution parameters:</source>
        <translation>Parameter für den Aufruf:</translation>
    </message>
    <message>
        <source>Open the document</source>
        <translation>Dokument öffnen</translation>
    </message>
    <message>
        <source>Specify the document:</source>
        <translation>Dokument angeben:</translation>
    </message>
    <message>
        <source>Open a folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Choose a folder:</source>
        <translation>Ordner auswählen:</translation>
    </message>
    <message>
        <source>Specify correct parameters of a signal!</source>
        <translation>Geben Sie gültige Signalparameter an!</translation>
    </message>
    <message>
        <source>Specify the name of event!</source>
        <translation>Geben Sie den Namen des Ereignisses an!</translation>
    </message>
    <message>
        <source>Specify parameter value!</source>
        <translation>Geben Sie den Wert des Parameters an!</translation>
    </message>
    <message>
        <source>Specify a correct time interval!</source>
        <translation>Geben Sie einen gültigen Zeitraum an!</translation>
    </message>
    <message>
        <source>Enter the message text!</source>
        <translation>Geben Sie den Nachrichtentext ein!</translation>
    </message>
    <message>
        <source>Specify loop quantity!</source>
        <translation>Geben Sie die Anzahl der Wiederholungen an!</translation>
    </message>
    <message>
        <source>Specify an application file!</source>
        <translation>Geben Sie eine Anwendungsdatei an!</translation>
    </message>
    <message>
        <source>Specify an existing application file!</source>
        <translation>Geben Sie eine vorhandene Anwendungsdatei an!</translation>
    </message>
    <message>
        <source>Specify the document!</source>
        <translation>Geben Sie das Dokument an!</translation>
    </message>
    <message>
        <source>Specify the existing document!</source>
        <translation>Geben Sie ein vorhandenes Dokument an!</translation>
    </message>
    <message>
        <source>Choose a folder!</source>
        <translation>Wählen Sie einen Ordner!</translation>
    </message>
    <message>
        <source>Processor usage</source>
        <translation>Prozessorauslastung</translation>
    </message>
    <message>
        <source>Operative memory usage</source>
        <translation>Belegung des Arbeitsspeichers</translation>
    </message>
    <message>
        <source>Swap file usage</source>
        <translation>Belegung der Auslagerung</translation>
    </message>
    <message>
        <source>Virtual memory usage</source>
        <translation>Belegung des virtuellen Speichers</translation>
    </message>
    <message>
        <source>Events list</source>
        <translation>Ereignisliste</translation>
    </message>
    <message>
        <source>Event name</source>
        <translation>Name des Ereignisses</translation>
    </message>
    <message>
        <source>Event settings</source>
        <translation>Einstellungen des Ereignisses</translation>
    </message>
    <message>
        <source>more than</source>
        <translation>mehr als</translation>
    </message>
    <message>
        <source>less than</source>
        <translation>weniger als</translation>
    </message>
    <message>
        <source>MB/MHz</source>
        <translation>MB/MHz</translation>
    </message>
    <message>
        <source>Resource</source>
        <translation>Ressource</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Bedingung</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Schwellenwert</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>During:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>During</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Execute action</source>
        <translation>Aktion ausführen</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Keine Aktion</translation>
    </message>
    <message>
        <source>Text message and sound signal</source>
        <translation>Textnachricht und Tonsignal</translation>
    </message>
    <message>
        <source>Close Tarnwick</source>
        <translation>Tarnwick beenden</translation>
    </message>
    <message>
        <source>Reload a computer</source>
        <translation>Computer neu starten</translation>
    </message>
    <message>
        <source>Waited mode of a computer</source>
        <translation>Computer in Bereitschaft</translation>
    </message>
    <message>
        <source>Switch off a computer</source>
        <translation>Computer ausschalten</translation>
    </message>
    <message>
        <source>Method of executing</source>
        <translation>Art der Ausführung</translation>
    </message>
    <message>
        <source>one time</source>
        <translation>einmal</translation>
    </message>
    <message>
        <source>once per a session</source>
        <translation>einmal pro Sitzung</translation>
    </message>
    <message>
        <source>permanently</source>
        <translation>ständig</translation>
    </message>
    <message>
        <source>&amp;event is active</source>
        <translation>&amp;Ereignis ist aktiv</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>New event</source>
        <translation>Neues Ereignis</translation>
    </message>
    <message>
        <source>Events editor</source>
        <translation>Ereignis-Editor</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Executed files</source>
        <translation>Ausführbare Dateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Title: %1</source>
        <translation>Titel: %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>For Tarnwick version: %1</source>
        <translation>Für Tarnwick-Version: %1</translation>
    </message>
    <message>
        <source>Delete event</source>
        <translation>Ereignis löschen</translation>
    </message>
    <message>
        <source>Events editor</source>
        <translation>Ereignis-Editor</translation>
    </message>
    <message>
        <source>Events list</source>
        <translation>Ereignisliste</translation>
    </message>
    <message>
        <source>Management of events</source>
        <translation>Verwaltung der Ereignisse</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Tarnwick-Einstellungen</translation>
    </message>
    <message>
        <source>Main settings</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Indicators</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Tray icons</source>
        <translation>Tray-Symbole</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Skins</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>View mode</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>&amp;Two indicators</source>
        <translation>&amp;Zwei Anzeigen</translation>
    </message>
    <message>
        <source>&amp;One diagram</source>
        <translation>&amp;Ein Diagramm</translation>
    </message>
    <message>
        <source>Main window settings</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>&amp;Always on top</source>
        <translation>&amp;Immer im Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Fix a window</source>
        <translation>Fenster &amp;fixieren</translation>
    </message>
    <message>
        <source>&amp;Dock to screen edges</source>
        <translation>An Bildschirmränder &amp;andocken</translation>
    </message>
    <message>
        <source>Dock within</source>
        <translation>Andocken ab</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Window transparency</source>
        <translation>Transparenz des Fensters</translation>
    </message>
    <message>
        <source>Indicator 1</source>
        <translation>Anzeige 1</translation>
    </message>
    <message>
        <source>Indicator 2</source>
        <translation>Anzeige 2</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>&amp;Text showing</source>
        <translation>&amp;Text anzeigen</translation>
    </message>
    <message>
        <source>T&amp;ext showing</source>
        <translation>T&amp;ext anzeigen</translation>
    </message>
    <message>
        <source>Te&amp;xt showing</source>
        <translation>Te&amp;xt anzeigen</translation>
    </message>
    <message>
        <source>Speed of updating:</source>
        <translation>Aktualisieren alle</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>миллисекунд</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>Icons in the system tray</source>
        <translation>Symbole im Systembereich</translation>
    </message>
    <message>
        <source>Updating of icons</source>
        <translation>Aktualisierung der Symbole</translation>
    </message>
    <message>
        <source>Speed of updating</source>
        <translation>Aktualisieren alle</translation>
    </message>
    <message>
        <source>System parameters</source>
        <translation>Systemparameter</translation>
    </message>
    <message>
        <source>&amp;Automatic loading</source>
        <translation>&amp;Automatisch starten</translation>
    </message>
    <message>
        <source>&amp;Only one copy</source>
        <translation>Nur &amp;eine Kopie</translation>
    </message>
    <message>
        <source>&amp;Low priority</source>
        <translation>&amp;Niedrige Priorität</translation>
    </message>
    <message>
        <source>Information hint</source>
        <translation>Informationshinweis</translation>
    </message>
    <message>
        <source>&amp;Show information hint</source>
        <translation>Informationshinweis an&amp;zeigen</translation>
    </message>
    <message>
        <source>Pause before showing</source>
        <translation>Einblenden nach</translation>
    </message>
    <message>
        <source>Pause before hiding</source>
        <translation>Ausblenden nach</translation>
    </message>
    <message>
        <source>Skins editor</source>
        <translation>Skin-Editor</translation>
    </message>
    <message>
        <source>Creating and editing of events:</source>
        <translation>Ereignisse erstellen und bearbeiten:</translation>
    </message>
    <message>
        <source>Creating and editing of skins:</source>
        <translation>Skins erstellen und bearbeiten:</translation>
    </message>
    <message>
        <source>Clipboard manager</source>
        <translation>Zwischenablage-Manager</translation>
    </message>
    <message>
        <source>Pastefold - multifunctional clipboard manager</source>
        <translation>Pastefold - vielseitiger Zwischenablage-Manager</translation>
    </message>
    <message>
        <source>Visit the program website</source>
        <translation>Website des Programms besuchen</translation>
    </message>
    <message>
        <source>Download the new version</source>
        <translation>Neue Version herunterladen</translation>
    </message>
    <message>
        <source>Simplify your work!</source>
        <translation>Vereinfachen Sie Ihre Arbeit!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Version 3.5</source>
        <translation>Version 3.5</translation>
    </message>
    <message>
        <source>Multifunctional manager of system resources</source>
        <translation>Vielseitiger Manager der Systemressourcen</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Program website</source>
        <translation>Website des Programms</translation>
    </message>
    <message>
        <source>Technical support</source>
        <translation>Technischer Support</translation>
    </message>
    <message>
        <source>Developers</source>
        <translation>Entwickler</translation>
    </message>
    <message>
        <source>Made by the Tarnwick developers, free software for Linux desktops.</source>
        <translation>Von den Tarnwick-Entwicklern, freie Software für Linux-Desktops.</translation>
    </message>
    <message>
        <source>&amp;Random skin</source>
        <translation>&amp;Zufälliger Skin</translation>
    </message>
    <message>
        <source>Active skin</source>
        <translation>Aktiver Skin</translation>
    </message>
    <message>
        <source>Information of skin</source>
        <translation>Informationen zum Skin</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Folder with skins:</source>
        <translation>Ordner mit Skins:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Download new skins</source>
        <translation>Neue Skins herunterladen</translation>
    </message>
    <message>
        <source>Choose a folder:</source>
        <translation>Ordner auswählen:</translation>
    </message>
</context>
<context>
    <name>SkinEditor</name>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <source>Top left corner X</source>
        <translation>Obere linke Ecke X</translation>
    </message>
    <message>
        <source>Top left corner Y</source>
        <translation>Obere linke Ecke Y</translation>
    </message>
    <message>
        <source>Right bottom corner X</source>
        <translation>Untere rechte Ecke X</translation>
    </message>
    <message>
        <source>Right bottom corner Y</source>
        <translation>Untere rechte Ecke Y</translation>
    </message>
    <message>
        <source>Top left corner:</source>
        <translation>Obere linke Ecke:</translation>
    </message>
    <message>
        <source>Right bottom corner:</source>
        <translation>Untere rechte Ecke:</translation>
    </message>
    <message>
        <source>from below upwards</source>
        <translation>von unten nach oben</translation>
    </message>
    <message>
        <source>from top to down</source>
        <translation>von oben nach unten</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richtung:</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>&amp;flat skin</source>
        <translation>&amp;flacher Skin</translation>
    </message>
    <message>
        <source>&amp;graphical skin</source>
        <translation>&amp;grafischer Skin</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>Font parameters</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Angle:</source>
        <translation>Winkel:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>%1, %2 pt%3, %4</source>
        <translation>%1, %2 pt%3, %4</translation>
    </message>
    <message>
        <source>Font color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Skin creation</source>
        <translation>Skin erstellen</translation>
    </message>
    <message>
        <source>Program window</source>
        <translation>Programmfenster</translation>
    </message>
    <message>
        <source>Indicator 1</source>
        <translation>Anzeige 1</translation>
    </message>
    <message>
        <source>Indicator 2</source>
        <translation>Anzeige 2</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Tray icons</source>
        <translation>Tray-Symbole</translation>
    </message>
    <message>
        <source>Save skin</source>
        <translation>Skin speichern</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The folder with pictures of digits
should contain the following files:
    0.bmp
    1.bmp
    ...
    8.bmp
    9.bmp
Each of these files should be the correct
bitmap in the size 8 x 16 pixels.
Files should contain picture of digit,
specified in a filename.
Also in this folder should be a file
100.bmp with such parameters:
    sizes 16 x 16 pixels
    number represented on picture - 100</source>
        <translation>Der Ordner mit den Ziffernbildern
muss diese Dateien enthalten:
    0.bmp
    1.bmp
    ...
    8.bmp
    9.bmp
Jede dieser Dateien muss eine gültige
Bitmap von 8 x 16 Pixeln sein.
Jede Datei muss die Ziffer zeigen,
die ihr Dateiname nennt.
Außerdem muss in diesem Ordner eine Datei
100.bmp mit diesen Eigenschaften liegen:
    Größe 16 x 16 Pixel
    dargestellte Zahl - 100</translation>
    </message>
    <message>
        <source>Skins editor</source>
        <translation>Skin-Editor</translation>
    </message>
    <message>
        <source>Method of creation</source>
        <translation>Art der Erstellung</translation>
    </message>
    <message>
        <source>&amp;Create a new skin</source>
        <translation>Neuen Skin &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Modify an existing skin</source>
        <translation>Vorhandenen Skin &amp;ändern</translation>
    </message>
    <message>
        <source>Choose a skin file</source>
        <translation>Skin-Datei auswählen</translation>
    </message>
    <message>
        <source>Specify a skin file:</source>
        <translation>Skin-Datei angeben:</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Skins</translation>
    </message>
    <message>
        <source>Window size</source>
        <translation>Fenstergröße</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>&amp;Transparent color</source>
        <translation>&amp;Transparente Farbe</translation>
    </message>
    <message>
        <source>Transparent color</source>
        <translation>Transparente Farbe</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Icons settings</source>
        <translation>Einstellungen der Symbole</translation>
    </message>
    <message>
        <source>&amp;Create an icons file</source>
        <translation>Symboldatei &amp;erstellen</translation>
    </message>
    <message>
        <source>Choose the folder with images of digits</source>
        <translation>Ordner mit Ziffernbildern auswählen</translation>
    </message>
    <message>
        <source>Help on the folder with images of digits</source>
        <translation>Hilfe zum Ordner mit Ziffernbildern</translation>
    </message>
    <message>
        <source>24 bit</source>
        <translation>24 Bit</translation>
    </message>
    <message>
        <source>16 bit</source>
        <translation>16 Bit</translation>
    </message>
    <message>
        <source>8 bit (256 colors)</source>
        <translation>8 Bit (256 Farben)</translation>
    </message>
    <message>
        <source>4 bit (16 colors)</source>
        <translation>4 Bit (16 Farben)</translation>
    </message>
    <message>
        <source>&amp;Open the icons file</source>
        <translation>Symboldatei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Choose an icons file</source>
        <translation>Symboldatei auswählen</translation>
    </message>
    <message>
        <source>Help on the icons file</source>
        <translation>Hilfe zur Symboldatei</translation>
    </message>
    <message>
        <source>&amp;Use standard icons</source>
        <translation>&amp;Standardsymbole verwenden</translation>
    </message>
    <message>
        <source>Background color:</source>
        <translation>Hintergrundfarbe:</translation>
    </message>
    <message>
        <source>Color depth:</source>
        <translation>Farbtiefe:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Folder with images of digits:</source>
        <translation>Ordner mit Ziffernbildern:</translation>
    </message>
    <message>
        <source>Specify icons file</source>
        <translation>Symboldatei angeben</translation>
    </message>
    <message>
        <source>Choose a folder:</source>
        <translation>Ordner auswählen:</translation>
    </message>
    <message>
        <source>The image of icons should have the sizes 1616 x 16 pixels</source>
        <translation>Das Bild der Symbole muss 1616 x 16 Pixel groß sein</translation>
    </message>
    <message>
        <source>Choose a file to save as</source>
        <translation>Datei zum Speichern auswählen</translation>
    </message>
    <message>
        <source>Skin title</source>
        <translation>Titel des Skins</translation>
    </message>
    <message>
        <source>Author name</source>
        <translation>Name des Autors</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>Specify a file of icons!</source>
        <translation>Geben Sie eine Symboldatei an!</translation>
    </message>
    <message>
        <source>The image of icons should have the sizes 1616 x 16 pixels!</source>
        <translation>Das Bild der Symbole muss 1616 x 16 Pixel groß sein!</translation>
    </message>
    <message>
        <source>The folder with pictures of digits is not specified!</source>
        <translation>Der Ordner mit den Ziffernbildern ist nicht angegeben!</translation>
    </message>
    <message>
        <source>The file %1 is not found!</source>
        <translation>Die Datei %1 wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>The filename is not specified!</source>
        <translation>Der Dateiname ist nicht angegeben!</translation>
    </message>
    <message>
        <source>The picture %1 is smaller than %2 x 16 pixels!</source>
        <translation>Das Bild %1 ist kleiner als %2 x 16 Pixel!</translation>
    </message>
    <message>
        <source>Specify an existing skin!</source>
        <translation>Geben Sie einen vorhandenen Skin an!</translation>
    </message>
    <message>
        <source>Specify a file of the image!</source>
        <translation>Geben Sie eine Bilddatei an!</translation>
    </message>
    <message>
        <source>Specify the title of a skin!</source>
        <translation>Geben Sie den Titel des Skins an!</translation>
    </message>
    <message>
        <source>Specify a file for saving!</source>
        <translation>Geben Sie eine Datei zum Speichern an!</translation>
    </message>
</context>
</TS>
