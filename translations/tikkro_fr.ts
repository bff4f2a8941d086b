<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AlarmDate</name>
    <message>
        <source>Alarm date/time: the date must lie between the years %1 and %2</source>
        <translation>Date/heure de l’alarme&#xa0;: la date doit se situer entre les années %1 et %2</translation>
    </message>
</context>
<context>
    <name>AlarmWindows</name>
    <message>
        <source>The alarm or timer that just rang could not be stored as done; it may ring again after the next start.

%1</source>
        <translation>L’alarme ou la minuterie qui vient de sonner n’a pas pu être enregistrée comme terminée&#x202f;; elle sonnera peut-être de nouveau au prochain démarrage.

%1</translation>
    </message>
    <message>
        <source>was due at: %1
effective at: %2%3</source>
        <translation>prévue à&#xa0;: %1
déclenchée à&#xa0;: %2%3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A precise stopwatch with a lap log, two alarms and two countdown timers.</source>
        <translation>Un chronomètre précis avec journal des tours, deux alarmes et deux comptes à rebours.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Starts the stopwatch of the running Tikkro, starting Tikkro if none runs.</source>
        <translation>Démarre le chronomètre du Tikkro en cours, en lançant Tikkro s’il ne tourne pas.</translation>
    </message>
    <message>
        <source>Pauses the running stopwatch.</source>
        <translation>Met en pause le chronomètre en marche.</translation>
    </message>
    <message>
        <source>Resumes the paused stopwatch.</source>
        <translation>Reprend le chronomètre en pause.</translation>
    </message>
    <message>
        <source>Takes a Lap.</source>
        <translation>Prend un tour.</translation>
    </message>
    <message>
        <source>Resets the stopwatch.</source>
        <translation>Remet le chronomètre à zéro.</translation>
    </message>
    <message>
        <source>Start, Pause or Resume, whichever is offered.</source>
        <translation>Départ, Pause ou Reprise, selon ce qui est proposé.</translation>
    </message>
    <message>
        <source>: Unexpected argument &apos;%1&apos;.
</source>
        <translation>&#xa0;: argument inattendu «&#xa0;%1&#xa0;».
</translation>
    </message>
    <message>
        <source>%1 %2
Database: %3
</source>
        <translation>%1 %2
Base de données&#xa0;: %3
</translation>
    </message>
    <message>
        <source>: --%1 is given alone.
</source>
        <translation>&#xa0;: --%1 doit être donné seul.
</translation>
    </message>
    <message>
        <source>: cannot open a window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)
</source>
        <translation>&#xa0;: impossible d’ouvrir une fenêtre&#xa0;: pas d’affichage (ni DISPLAY ni WAYLAND_DISPLAY n’est défini)
</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>The timer&apos;s due time is not a valid date and time</source>
        <translation>L’échéance de la minuterie n’est pas une date et une heure valides</translation>
    </message>
</context>
<context>
    <name>LoadableModule</name>
    <message>
        <source>The module %1 is not installed.</source>
        <translation>Le module %1 n’est pas installé.</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>The file &quot;%1&quot; could not be created.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be opened.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>A new page could not be started in the file &quot;%1&quot;.</source>
        <translation>Impossible de commencer une nouvelle page dans le fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start a new page.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas pu commencer une nouvelle page.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» a signalé une erreur.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be finished.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être terminé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the document.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas accepté le document.</translation>
    </message>
    <message>
        <source>Nothing was written to that file.</source>
        <translation>Rien n’a été écrit dans ce fichier.</translation>
    </message>
    <message>
        <source>Printing stopped at copy %1 of %2.</source>
        <translation>L’impression s’est arrêtée à l’exemplaire %1 sur %2.</translation>
    </message>
    <message>
        <source>Print Log Strip</source>
        <translation>Imprimer le journal</translation>
    </message>
    <message>
        <source>Printing is not possible: its module could not be loaded.</source>
        <translation>L’impression n’est pas possible&#xa0;: le module d’impression n’a pas pu être chargé.</translation>
    </message>
</context>
<context>
    <name>QtFileDialogService</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SaveLogCommand</name>
    <message>
        <source>Save Log Strip As</source>
        <translation>Enregistrer le journal sous</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texte (*.txt)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be saved.

%2</source>
        <translation>%1 n’a pas pu être enregistré.

%2</translation>
    </message>
</context>
<context>
    <name>SlotSetter</name>
    <message>
        <source>The name is %1 characters long; a name may have at most %2. Shorten it and press Set again.</source>
        <translation>Le nom compte %1&#xa0;caractères&#xa0;; un nom peut en avoir au plus %2. Raccourcissez-le et cliquez de nouveau sur Régler.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Time value: %1 h %2 min %3 s is less than no time at all; a countdown cannot run backwards</source>
        <translation>Durée&#xa0;: %1&#xa0;h %2&#xa0;min %3&#xa0;s est moins que rien du tout&#xa0;; un compte à rebours ne peut pas reculer</translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>WholeNumber</name>
    <message>
        <source>%1: &apos;%2&apos; is out of range (-32768 to 32767)</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» est hors limites (-32768 à 32767)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a whole number</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre entier</translation>
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
        <translation>Base de données&#xa0;: %1</translation>
    </message>
    <message>
        <source>About Tikkro</source>
        <translation>À propos de Tikkro</translation>
    </message>
    <message>
        <source>(Morvane&apos;s sophisticated Stop Watch)</source>
        <translation>(le chronomètre sophistiqué de Morvane)</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A precise stopwatch with a lap log, two alarms and two countdown timers.</source>
        <translation>Un chronomètre précis avec journal des tours, deux alarmes et deux comptes à rebours.</translation>
    </message>
    <message>
        <source>Written in C++ with the Qt toolkit, for Linux.</source>
        <translation>Écrit en C++ avec la boîte à outils Qt, pour Linux.</translation>
    </message>
    <message>
        <source>Warning: Although this stop watch is very exact, be careful using it for prefessional purposes, since it is Linux-based and - a general-purpose desktop system isn&apos;t a realtime environement! Use a realtime device instead.</source>
        <translation>Attention&#xa0;: bien que ce chronomètre soit très précis, soyez prudent en l’utilisant à des fins professionnelles, car il fonctionne sous Linux et un système de bureau généraliste n’est pas un environnement temps réel&#xa0;! Utilisez plutôt un appareil temps réel.</translation>
    </message>
    <message>
        <source>Copyright © the Tikkro developers. Free software under the GNU General Public License, version 3 or later, with no warranty.</source>
        <translation>Copyright © les développeurs de Tikkro. Logiciel libre sous licence publique générale GNU, version&#xa0;3 ou ultérieure, sans aucune garantie.</translation>
    </message>
    <message>
        <source>For news and help, visit the web site or write to us:</source>
        <translation>Pour les nouvelles et l’aide, consultez le site web ou écrivez-nous&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Informations système...</translation>
    </message>
</context>
<context>
    <name>tikkro::alarms::AlarmDialog</name>
    <message>
        <source>Set/Edit Alarm</source>
        <translation>Réglage de l’alarme</translation>
    </message>
    <message>
        <source>Alarm name:</source>
        <translation>Nom de l’alarme&#xa0;:</translation>
    </message>
    <message>
        <source>Alarm name</source>
        <translation>Nom de l’alarme</translation>
    </message>
    <message>
        <source>Alarm date/time:</source>
        <translation>Date/heure de l’alarme&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Maintenant</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>JJ</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>YYYY</source>
        <translation>AAAA</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>hh</source>
        <translation>hh</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
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
        <translation>Seconde</translation>
    </message>
    <message>
        <source>Set Alarm</source>
        <translation>Régler l’alarme</translation>
    </message>
    <message>
        <source>The alarm&apos;s date and time is not a valid date</source>
        <translation>La date et l’heure de l’alarme ne forment pas une date valide</translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>Alarme %1</translation>
    </message>
    <message>
        <source>Set Alarm %1</source>
        <translation>Régler l’alarme %1</translation>
    </message>
</context>
<context>
    <name>tikkro::alarms::EventsWindow</name>
    <message>
        <source>Alarm and Timer Events</source>
        <translation>Événements des alarmes et minuteries</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Alarm &apos;%1</source>
        <translation>Alarme &apos;%1</translation>
    </message>
    <message>
        <source>Timer &apos;%1</source>
        <translation>Minuterie &apos;%1</translation>
    </message>
    <message>
        <source>    was due at: %1</source>
        <translation>    prévue à&#xa0;: %1</translation>
    </message>
    <message>
        <source>    effective at: %1</source>
        <translation>    déclenchée à&#xa0;: %1</translation>
    </message>
    <message>
        <source> !!!</source>
        <translation>&#xa0;!!!</translation>
    </message>
</context>
<context>
    <name>tikkro::alarms::SlotDialog</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Régler</translation>
    </message>
</context>
<context>
    <name>tikkro::alarms::TimerDialog</name>
    <message>
        <source>Set/Edit Timer</source>
        <translation>Réglage de la minuterie</translation>
    </message>
    <message>
        <source>Countdown animation</source>
        <translation>Animation du compte à rebours</translation>
    </message>
    <message>
        <source>Timer name:</source>
        <translation>Nom de la minuterie&#xa0;:</translation>
    </message>
    <message>
        <source>Timer name</source>
        <translation>Nom de la minuterie</translation>
    </message>
    <message>
        <source>Time value:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Réi&amp;nitialiser</translation>
    </message>
    <message>
        <source>hh</source>
        <translation>hh</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>ss</source>
        <translation>ss</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Set Timer</source>
        <translation>Régler la minuterie</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Minuterie %1</translation>
    </message>
    <message>
        <source>Set Timer %1</source>
        <translation>Régler la minuterie %1</translation>
    </message>
</context>
<context>
    <name>tikkro::app::MainWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Départ</translation>
    </message>
    <message>
        <source>&amp;Lap</source>
        <translation>&amp;Tour</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprise</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <translation>&amp;Zéro</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Log strip</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print Log Strip</source>
        <translation>&amp;Imprimer le journal</translation>
    </message>
    <message>
        <source>Save Log Strip &amp;As...</source>
        <translation>Enregistrer le journal &amp;sous...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>A&amp;larme</translation>
    </message>
    <message>
        <source>&amp;Absolute Time</source>
        <translation>À &amp;heure fixe</translation>
    </message>
    <message>
        <source>&amp;CountDown</source>
        <translation>&amp;Compte à rebours</translation>
    </message>
    <message>
        <source>Alarm&amp;%1</source>
        <translation>Alarme&amp;%1</translation>
    </message>
    <message>
        <source>Timer&amp;%1</source>
        <translation>Minuterie&amp;%1</translation>
    </message>
    <message>
        <source>&amp;Extra</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Clear Log Strip</source>
        <translation>&amp;Effacer le journal</translation>
    </message>
    <message>
        <source>Show &amp;Events Window</source>
        <translation>&amp;Afficher la fenêtre des événements</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Tikkro</translation>
    </message>
    <message>
        <source>Changes will not be kept: %1</source>
        <translation>Les modifications ne seront pas conservées&#xa0;: %1</translation>
    </message>
    <message>
        <source>The window starts at its default place: its position could not be read. %1</source>
        <translation>La fenêtre s’ouvre à sa place par défaut&#xa0;: sa position n’a pas pu être lue. %1</translation>
    </message>
    <message>
        <source>The stored alarms and timers could not be loaded. %1</source>
        <translation>Les alarmes et minuteries enregistrées n’ont pas pu être chargées. %1</translation>
    </message>
    <message>
        <source>Tikkro could not use its settings file as it should.</source>
        <translation>Tikkro n’a pas pu utiliser son fichier de paramètres comme prévu.</translation>
    </message>
    <message>
        <source>The window position could not be kept.</source>
        <translation>La position de la fenêtre n’a pas pu être conservée.</translation>
    </message>
</context>
<context>
    <name>tikkro::app::RemoteControl</name>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprise</translation>
    </message>
    <message>
        <source>Lap</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Basculer</translation>
    </message>
    <message>
        <source>%1 is not offered while the stopwatch is reset.</source>
        <translation>La commande «&#xa0;%1&#xa0;» n’est pas proposée tant que le chronomètre est à zéro.</translation>
    </message>
    <message>
        <source>%1 is not offered while the stopwatch is paused.</source>
        <translation>La commande «&#xa0;%1&#xa0;» n’est pas proposée tant que le chronomètre est en pause.</translation>
    </message>
    <message>
        <source>%1 is not offered while the stopwatch runs: take a Lap or Pause first.</source>
        <translation>La commande «&#xa0;%1&#xa0;» n’est pas proposée tant que le chronomètre tourne&#xa0;: prenez d’abord un tour ou faites une pause.</translation>
    </message>
    <message>
        <source>%1 is not offered while the stopwatch is running.</source>
        <translation>La commande «&#xa0;%1&#xa0;» n’est pas proposée tant que le chronomètre tourne.</translation>
    </message>
</context>
<context>
    <name>tikkro::app::RingWhenClosed</name>
    <message>
        <source>&amp;Ring When Closed</source>
        <translation>&amp;Sonner même fermé</translation>
    </message>
    <message>
        <source>The choice holds until Tikkro ends, but could not be kept: %1</source>
        <translation>Le choix vaut jusqu’à la fermeture de Tikkro, mais n’a pas pu être enregistré&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tikkro::desktop::DBusDesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
</context>
</TS>
