<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlarmDate</name>
    <message>
        <source>Alarm date/time: the date must lie between the years %1 and %2</source>
        <translation>Alarmdatum/-uhrzeit: Das Datum muss zwischen den Jahren %1 und %2 liegen</translation>
    </message>
</context>
<context>
    <name>AlarmWindows</name>
    <message>
        <source>The alarm or timer that just rang could not be stored as done; it may ring again after the next start.

%1</source>
        <translation>Der Alarm oder Timer, der eben geklingelt hat, konnte nicht als erledigt gespeichert werden; er klingelt vielleicht nach dem nächsten Start noch einmal.

%1</translation>
    </message>
    <message>
        <source>was due at: %1
effective at: %2%3</source>
        <translation>fällig um: %1
ausgelöst um: %2%3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A precise stopwatch with a lap log, two alarms and two countdown timers.</source>
        <translation>Eine genaue Stoppuhr mit Rundenprotokoll, zwei Alarmen und zwei Countdown-Timern.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformationen an.</translation>
    </message>
    <message>
        <source>Starts the stopwatch of the running Tikkro, starting Tikkro if none runs.</source>
        <translation>Startet die Stoppuhr des laufenden Tikkro; läuft keines, wird Tikkro gestartet.</translation>
    </message>
    <message>
        <source>Pauses the running stopwatch.</source>
        <translation>Hält die laufende Stoppuhr an.</translation>
    </message>
    <message>
        <source>Resumes the paused stopwatch.</source>
        <translation>Setzt die angehaltene Stoppuhr fort.</translation>
    </message>
    <message>
        <source>Takes a Lap.</source>
        <translation>Nimmt eine Runde.</translation>
    </message>
    <message>
        <source>Resets the stopwatch.</source>
        <translation>Setzt die Stoppuhr zurück.</translation>
    </message>
    <message>
        <source>Start, Pause or Resume, whichever is offered.</source>
        <translation>Start, Pause oder Weiter, je nachdem, was angeboten wird.</translation>
    </message>
    <message>
        <source>: Unexpected argument &apos;%1&apos;.
</source>
        <translation>: Unerwartetes Argument „%1“.
</translation>
    </message>
    <message>
        <source>%1 %2
Database: %3
</source>
        <translation>%1 %2
Datenbank: %3
</translation>
    </message>
    <message>
        <source>: --%1 is given alone.
</source>
        <translation>: --%1 muss allein angegeben werden.
</translation>
    </message>
    <message>
        <source>: cannot open a window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)
</source>
        <translation>: Kann kein Fenster öffnen: keine Anzeige (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)
</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>The timer&apos;s due time is not a valid date and time</source>
        <translation>Der Ablaufzeitpunkt des Timers ist kein gültiges Datum mit Uhrzeit</translation>
    </message>
</context>
<context>
    <name>LoadableModule</name>
    <message>
        <source>The module %1 is not installed.</source>
        <translation>Das Modul %1 ist nicht installiert.</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>The file &quot;%1&quot; could not be created.</source>
        <translation>Die Datei „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>Der Drucker „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>A new page could not be started in the file &quot;%1&quot;.</source>
        <translation>In der Datei „%1“ konnte keine neue Seite begonnen werden.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start a new page.</source>
        <translation>Der Drucker „%1“ konnte keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error.</source>
        <translation>Der Drucker „%1“ hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be finished.</source>
        <translation>Die Datei „%1“ konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the document.</source>
        <translation>Der Drucker „%1“ hat das Dokument nicht angenommen.</translation>
    </message>
    <message>
        <source>Nothing was written to that file.</source>
        <translation>In diese Datei wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Printing stopped at copy %1 of %2.</source>
        <translation>Der Druck wurde bei Exemplar %1 von %2 abgebrochen.</translation>
    </message>
    <message>
        <source>Print Log Strip</source>
        <translation>Protokoll drucken</translation>
    </message>
    <message>
        <source>Printing is not possible: its module could not be loaded.</source>
        <translation>Drucken ist nicht möglich: Das Druckmodul konnte nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>QtFileDialogService</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>SaveLogCommand</name>
    <message>
        <source>Save Log Strip As</source>
        <translation>Protokoll speichern unter</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be saved.

%2</source>
        <translation>%1 konnte nicht gespeichert werden.

%2</translation>
    </message>
</context>
<context>
    <name>SlotSetter</name>
    <message>
        <source>The name is %1 characters long; a name may have at most %2. Shorten it and press Set again.</source>
        <translation>Der Name ist %1 Zeichen lang; ein Name darf höchstens %2 haben. Kürzen Sie ihn und klicken Sie erneut auf Stellen.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
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
        <source>Time value: %1 h %2 min %3 s is less than no time at all; a countdown cannot run backwards</source>
        <translation>Zeitwert: %1 h %2 min %3 s ist weniger als gar keine Zeit; ein Countdown kann nicht rückwärts laufen</translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>WholeNumber</name>
    <message>
        <source>%1: &apos;%2&apos; is out of range (-32768 to 32767)</source>
        <translation>%1: „%2“ liegt außerhalb des Bereichs (-32768 bis 32767)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a whole number</source>
        <translation>%1: „%2“ ist keine ganze Zahl</translation>
    </message>
</context>
<context>
    <name>tikkro::about::AboutBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Datenbank: %1</translation>
    </message>
    <message>
        <source>About Tikkro</source>
        <translation>Über Tikkro</translation>
    </message>
    <message>
        <source>(Morvane&apos;s sophisticated Stop Watch)</source>
        <translation>(Morvanes raffinierte Stoppuhr)</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A precise stopwatch with a lap log, two alarms and two countdown timers.</source>
        <translation>Eine genaue Stoppuhr mit Rundenprotokoll, zwei Alarmen und zwei Countdown-Timern.</translation>
    </message>
    <message>
        <source>Written in C++ with the Qt toolkit, for Linux.</source>
        <translation>Geschrieben in C++ mit dem Qt-Toolkit, für Linux.</translation>
    </message>
    <message>
        <source>Warning: Although this stop watch is very exact, be careful using it for prefessional purposes, since it is Linux-based and - a general-purpose desktop system isn&apos;t a realtime environement! Use a realtime device instead.</source>
        <translation>Warnung: Diese Stoppuhr ist zwar sehr genau, doch Vorsicht beim beruflichen Einsatz: Sie läuft unter Linux, und ein gewöhnliches Desktop-System ist keine Echtzeitumgebung! Nehmen Sie dafür ein Echtzeitgerät.</translation>
    </message>
    <message>
        <source>Copyright © the Tikkro developers. Free software under the GNU General Public License, version 3 or later, with no warranty.</source>
        <translation>Copyright © die Tikkro-Entwickler. Freie Software unter der GNU General Public License, Version&#xa0;3 oder neuer, ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>For news and help, visit the web site or write to us:</source>
        <translation>Neuigkeiten und Hilfe finden Sie auf der Website, oder schreiben Sie uns:</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
</context>
<context>
    <name>tikkro::alarms::AlarmDialog</name>
    <message>
        <source>Set/Edit Alarm</source>
        <translation>Alarm einstellen</translation>
    </message>
    <message>
        <source>Alarm name:</source>
        <translation>Alarmname:</translation>
    </message>
    <message>
        <source>Alarm name</source>
        <translation>Alarmname</translation>
    </message>
    <message>
        <source>Alarm date/time:</source>
        <translation>Alarmdatum/-uhrzeit:</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Jetzt</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>TT</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>YYYY</source>
        <translation>JJJJ</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>hh</source>
        <translation>hh</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>ss</source>
        <translation>ss</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>Set Alarm</source>
        <translation>Alarm stellen</translation>
    </message>
    <message>
        <source>The alarm&apos;s date and time is not a valid date</source>
        <translation>Datum und Uhrzeit des Alarms ergeben kein gültiges Datum</translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>Alarm %1</translation>
    </message>
    <message>
        <source>Set Alarm %1</source>
        <translation>Alarm %1 stellen</translation>
    </message>
</context>
<context>
    <name>tikkro::alarms::EventsWindow</name>
    <message>
        <source>Alarm and Timer Events</source>
        <translation>Alarm- und Timer-Ereignisse</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Alarm &apos;%1</source>
        <translation>Alarm &apos;%1</translation>
    </message>
    <message>
        <source>Timer &apos;%1</source>
        <translation>Timer &apos;%1</translation>
    </message>
    <message>
        <source>    was due at: %1</source>
        <translation>    fällig um: %1</translation>
    </message>
    <message>
        <source>    effective at: %1</source>
        <translation>    ausgelöst um: %1</translation>
    </message>
    <message>
        <source> !!!</source>
        <translation> !!!</translation>
    </message>
</context>
<context>
    <name>tikkro::alarms::SlotDialog</name>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Stellen</translation>
    </message>
</context>
<context>
    <name>tikkro::alarms::TimerDialog</name>
    <message>
        <source>Set/Edit Timer</source>
        <translation>Timer einstellen</translation>
    </message>
    <message>
        <source>Countdown animation</source>
        <translation>Countdown-Animation</translation>
    </message>
    <message>
        <source>Timer name:</source>
        <translation>Timername:</translation>
    </message>
    <message>
        <source>Timer name</source>
        <translation>Timername</translation>
    </message>
    <message>
        <source>Time value:</source>
        <translation>Zeitwert:</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>hh</source>
        <translation>hh</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>ss</source>
        <translation>ss</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Set Timer</source>
        <translation>Timer stellen</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Timer %1</translation>
    </message>
    <message>
        <source>Set Timer %1</source>
        <translation>Timer %1 stellen</translation>
    </message>
</context>
<context>
    <name>tikkro::app::MainWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Lap</source>
        <translation>&amp;Runde</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <translation>&amp;Nullen</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Log strip</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print Log Strip</source>
        <translation>Protokoll &amp;drucken</translation>
    </message>
    <message>
        <source>Save Log Strip &amp;As...</source>
        <translation>Protokoll speichern &amp;unter...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>&amp;Alarm</translation>
    </message>
    <message>
        <source>&amp;Absolute Time</source>
        <translation>Zu fester &amp;Uhrzeit</translation>
    </message>
    <message>
        <source>&amp;CountDown</source>
        <translation>&amp;Countdown</translation>
    </message>
    <message>
        <source>Alarm&amp;%1</source>
        <translation>Alarm&amp;%1</translation>
    </message>
    <message>
        <source>Timer&amp;%1</source>
        <translation>Timer&amp;%1</translation>
    </message>
    <message>
        <source>&amp;Extra</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Clear Log Strip</source>
        <translation>Protokoll &amp;leeren</translation>
    </message>
    <message>
        <source>Show &amp;Events Window</source>
        <translation>&amp;Ereignisfenster anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Tikkro</translation>
    </message>
    <message>
        <source>Changes will not be kept: %1</source>
        <translation>Änderungen werden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>The window starts at its default place: its position could not be read. %1</source>
        <translation>Das Fenster erscheint an seinem Standardplatz: Seine Position konnte nicht gelesen werden. %1</translation>
    </message>
    <message>
        <source>The stored alarms and timers could not be loaded. %1</source>
        <translation>Die gespeicherten Alarme und Timer konnten nicht geladen werden. %1</translation>
    </message>
    <message>
        <source>Tikkro could not use its settings file as it should.</source>
        <translation>Tikkro konnte seine Einstellungsdatei nicht wie vorgesehen verwenden.</translation>
    </message>
    <message>
        <source>The window position could not be kept.</source>
        <translation>Die Fensterposition konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>tikkro::app::RemoteControl</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Lap</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nullen</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Umschalten</translation>
    </message>
    <message>
        <source>%1 is not offered while the stopwatch is reset.</source>
        <translation>%1 ist nicht verfügbar, solange die Stoppuhr zurückgesetzt ist.</translation>
    </message>
    <message>
        <source>%1 is not offered while the stopwatch is paused.</source>
        <translation>%1 ist nicht verfügbar, solange die Stoppuhr angehalten ist.</translation>
    </message>
    <message>
        <source>%1 is not offered while the stopwatch runs: take a Lap or Pause first.</source>
        <translation>%1 ist nicht verfügbar, solange die Stoppuhr läuft: Nehmen Sie zuerst eine Runde oder halten Sie sie an.</translation>
    </message>
    <message>
        <source>%1 is not offered while the stopwatch is running.</source>
        <translation>%1 ist nicht verfügbar, solange die Stoppuhr läuft.</translation>
    </message>
</context>
<context>
    <name>tikkro::app::RingWhenClosed</name>
    <message>
        <source>&amp;Ring When Closed</source>
        <translation>Auch &amp;geschlossen klingeln</translation>
    </message>
    <message>
        <source>The choice holds until Tikkro ends, but could not be kept: %1</source>
        <translation>Die Wahl gilt, bis Tikkro endet, konnte aber nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>tikkro::desktop::DBusDesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
</context>
</TS>
