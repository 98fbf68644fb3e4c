<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Culprit</name>
    <message>
        <source>Busiest: unknown</source>
        <translation>Aktivster Prozess: unbekannt</translation>
    </message>
    <message>
        <source>Largest: unknown</source>
        <translation>Größter Prozess: unbekannt</translation>
    </message>
    <message>
        <source>Busiest: %1 (pid %2) %3 %</source>
        <extracomment>%1 is the process&apos;s name, %2 its number, %3 its share of the processor in percent.</extracomment>
        <translation>Aktivster Prozess: %1 (PID %2) %3 %</translation>
    </message>
    <message>
        <source>Largest: %1 (pid %2) %3 MB</source>
        <extracomment>%1 is the process&apos;s name, %2 its number, %3 its memory in megabytes.</extracomment>
        <translation>Größter Prozess: %1 (PID %2) %3 MB</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Событие</source>
        <extracomment>The caption of an event&apos;s message box: &quot;Event&quot;.</extracomment>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Exit Error</source>
        <translation>Fehler beim Beenden</translation>
    </message>
</context>
<context>
    <name>InfoHint</name>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>RAM</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Swap</translation>
    </message>
    <message>
        <source>Virtual</source>
        <translation>Virtuell</translation>
    </message>
    <message>
        <source>of</source>
        <translation>von</translation>
    </message>
</context>
<context>
    <name>MonitorMenu</name>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Very high (200 milliseconds)</source>
        <translation>&amp;Sehr hoch (200 Millisekunden)</translation>
    </message>
    <message>
        <source>&amp;High (500 milliseconds)</source>
        <translation>&amp;Hoch (500 Millisekunden)</translation>
    </message>
    <message>
        <source>&amp;Normal (1000 milliseconds)</source>
        <translation>&amp;Normal (1000 Millisekunden)</translation>
    </message>
    <message>
        <source>&amp;Low (2000 milliseconds)</source>
        <translation>&amp;Gering (2000 Millisekunden)</translation>
    </message>
    <message>
        <source>V&amp;ery low (5000 milliseconds)</source>
        <translation>Seh&amp;r gering (5000 Millisekunden)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Sp&amp;eed of updating</source>
        <translation>Aktualisierungs&amp;geschwindigkeit</translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation>An&amp;halten</translation>
    </message>
    <message>
        <source>&amp;Text showing</source>
        <translation>&amp;Text anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>Program &amp;website</source>
        <translation>&amp;Webseite des Programms</translation>
    </message>
    <message>
        <source>Technical &amp;support</source>
        <translation>Technischer &amp;Support</translation>
    </message>
    <message>
        <source>&amp;Clipboard manager</source>
        <translation>&amp;Zwischenablage-Manager</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Parameter</translation>
    </message>
    <message>
        <source>Information &amp;hint</source>
        <translation>Informations&amp;hinweis</translation>
    </message>
    <message>
        <source>Always on &amp;top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Window &amp;docking</source>
        <translation>Fenster an&amp;docken</translation>
    </message>
    <message>
        <source>&amp;Fix a window</source>
        <translation>Fenster &amp;fixieren</translation>
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
        <source>&amp;Settings...</source>
        <translation>Ein&amp;stellungen...</translation>
    </message>
    <message>
        <source>&amp;Update settings</source>
        <translation>Einstellungen &amp;neu laden</translation>
    </message>
    <message>
        <source>&amp;Events</source>
        <translation>&amp;Ereignisse</translation>
    </message>
    <message>
        <source>&amp;Update the list</source>
        <translation>Liste &amp;aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Events editor</source>
        <translation>&amp;Ereigniseditor</translation>
    </message>
    <message>
        <source>&amp;Skins</source>
        <translation>S&amp;kins</translation>
    </message>
    <message>
        <source>&amp;Random skin</source>
        <translation>&amp;Zufälliger Skin</translation>
    </message>
    <message>
        <source>&amp;Skins editor</source>
        <translation>&amp;Skin-Editor</translation>
    </message>
    <message>
        <source>Tr&amp;ay icons</source>
        <translation>T&amp;ray-Symbole</translation>
    </message>
    <message>
        <source>&amp;Speed of updating</source>
        <translation>Aktualisierungs&amp;geschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;Transparency</source>
        <translation>&amp;Transparenz</translation>
    </message>
    <message>
        <source>Indicator &amp;1</source>
        <translation>Anzeige &amp;1</translation>
    </message>
    <message>
        <source>Indicator &amp;2</source>
        <translation>Anzeige &amp;2</translation>
    </message>
    <message>
        <source>&amp;Diagram</source>
        <translation>&amp;Diagramm</translation>
    </message>
    <message>
        <source>T&amp;wo indicators</source>
        <translation>&amp;Zwei Anzeigen</translation>
    </message>
    <message>
        <source>&amp;One diagram</source>
        <translation>Ein Dia&amp;gramm</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <translation>Ein&amp;stellungen...</translation>
    </message>
    <message>
        <source>S&amp;kins editor</source>
        <translation>S&amp;kin-Editor</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
</context>
<context>
    <name>OpenLink</name>
    <message>
        <source>Unable to open %1
No program on this desktop opens it.</source>
        <extracomment>%1 is the address of a web page or a mail address.</extracomment>
        <translation>%1 lässt sich nicht öffnen
Kein Programm auf diesem Desktop kann es öffnen.</translation>
    </message>
    <message>
        <source>The help page %1 is not installed with this copy of the program.</source>
        <translation>Die Hilfeseite %1 ist mit dieser Kopie des Programms nicht installiert.</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
</context>
<context>
    <name>ScreenReadings</name>
    <message>
        <source>Processor usage</source>
        <translation>Prozessor belegt</translation>
    </message>
    <message>
        <source>Processor free</source>
        <translation>Prozessor frei</translation>
    </message>
    <message>
        <source>Operative memory usage</source>
        <translation>Arbeitsspeicher belegt</translation>
    </message>
    <message>
        <source>Operative memory free</source>
        <translation>Arbeitsspeicher frei</translation>
    </message>
    <message>
        <source>Swap file usage</source>
        <translation>Auslagerungsdatei belegt</translation>
    </message>
    <message>
        <source>Swap file free</source>
        <translation>Auslagerungsdatei frei</translation>
    </message>
    <message>
        <source>Virtual memory usage</source>
        <translation>Virtueller Speicher belegt</translation>
    </message>
    <message>
        <source>Virtual memory free</source>
        <translation>Virtueller Speicher frei</translation>
    </message>
</context>
<context>
    <name>SystemPower</name>
    <message>
        <source>%1() Failed</source>
        <extracomment>%1 is the name of the step of the power manager that failed.</extracomment>
        <translation>%1() fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>&amp;Processor</source>
        <translation>&amp;Prozessor</translation>
    </message>
    <message>
        <source>&amp;Operative memory</source>
        <translation>&amp;Arbeitsspeicher</translation>
    </message>
    <message>
        <source>&amp;Swap file</source>
        <translation>Aus&amp;lagerungsdatei</translation>
    </message>
    <message>
        <source>&amp;Virtual memory</source>
        <translation>&amp;Virtueller Speicher</translation>
    </message>
    <message>
        <source>&amp;Usage, %</source>
        <translation>&amp;Belegt, %</translation>
    </message>
    <message>
        <source>&amp;Freely, %</source>
        <translation>&amp;Frei, %</translation>
    </message>
    <message>
        <source>U&amp;sage, MHz</source>
        <translation>B&amp;elegt, MHz</translation>
    </message>
    <message>
        <source>Fr&amp;eely, MHz</source>
        <translation>F&amp;rei, MHz</translation>
    </message>
    <message>
        <source>U&amp;sage, MB</source>
        <translation>B&amp;elegt, MB</translation>
    </message>
    <message>
        <source>Fr&amp;eely, MB</source>
        <translation>F&amp;rei, MB</translation>
    </message>
    <message>
        <source>Processor usage</source>
        <translation>Prozessorauslastung</translation>
    </message>
    <message>
        <source>Operation memory usage</source>
        <translation>Belegung des Arbeitsspeichers</translation>
    </message>
    <message>
        <source>Swap file usage</source>
        <translation>Belegung der Auslagerungsdatei</translation>
    </message>
    <message>
        <source>Virtual memory usage</source>
        <translation>Belegung des virtuellen Speichers</translation>
    </message>
    <message>
        <source>Processor pressure</source>
        <translation>Prozessordruck</translation>
    </message>
    <message>
        <source>Memory pressure</source>
        <translation>Speicherdruck</translation>
    </message>
    <message>
        <source>Input/output pressure</source>
        <translation>Ein-/Ausgabedruck</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>The byte sign after an amount: 512 B, 1.5 kB.</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <source>k</source>
        <extracomment>Kilo before the byte sign: 1.5 kB.</extracomment>
        <translation>k</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>Mega before the byte sign: 512 MB.</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>during %1 hours, %2 minutes and %3 seconds</source>
        <translation>während %1 Stunden, %2 Minuten und %3 Sekunden</translation>
    </message>
    <message>
        <source>was more than %1</source>
        <translation>war mehr als %1</translation>
    </message>
    <message>
        <source>was less than %1</source>
        <translation>war weniger als %1</translation>
    </message>
</context>
<context>
    <name>UserError</name>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>%1 is the path of the file.</extracomment>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>tarnwick::TfrMain</name>
    <message>
        <source>There is no system tray on this desktop, so the window cannot be hidden</source>
        <translation>Dieser Desktop hat keinen Infobereich, daher kann das Fenster nicht ausgeblendet werden</translation>
    </message>
    <message>
        <source>The Wayland compositor places this window itself; docking and fixing work when the monitor runs on X11 (QT_QPA_PLATFORM=xcb)</source>
        <translation>Der Wayland-Compositor platziert dieses Fenster selbst; Andocken und Fixieren wirken, wenn der Monitor unter X11 läuft (QT_QPA_PLATFORM=xcb)</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>The file TarnwickCfg is not found!
It should be in the same folder, as Tarnwick
Reinstall the program Tarnwick</source>
        <translation>Die Datei TarnwickCfg wurde nicht gefunden!
Sie sollte im selben Ordner liegen wie Tarnwick
Installieren Sie das Programm Tarnwick neu</translation>
    </message>
</context>
</TS>
