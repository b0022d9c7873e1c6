<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccountCommands</name>
    <message>
        <source>Hide Print Accounting Dialog</source>
        <translation>Dialog Druck/Konten ausblenden</translation>
    </message>
    <message>
        <source>Show Print Accounting Dialog</source>
        <translation>Dialog Druck/Konten anzeigen</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Wird gedruckt...</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Afica</source>
        <translation>&amp;Afrika</translation>
    </message>
    <message>
        <source>&amp;Africa</source>
        <translation>&amp;Afrika</translation>
    </message>
    <message>
        <source>Load Africa</source>
        <translation>Afrika laden</translation>
    </message>
    <message>
        <source>A&amp;merica</source>
        <translation>A&amp;merika</translation>
    </message>
    <message>
        <source>Load America</source>
        <translation>Amerika laden</translation>
    </message>
    <message>
        <source>A&amp;sia</source>
        <translation>A&amp;sien</translation>
    </message>
    <message>
        <source>Load Asia</source>
        <translation>Asien laden</translation>
    </message>
    <message>
        <source>&amp;Caribbean</source>
        <translation>&amp;Karibik</translation>
    </message>
    <message>
        <source>&amp;Carribbean</source>
        <translation>&amp;Karibik</translation>
    </message>
    <message>
        <source>Load Caribbean</source>
        <translation>Karibik laden</translation>
    </message>
    <message>
        <source>&amp;Europe</source>
        <translation>&amp;Europa</translation>
    </message>
    <message>
        <source>Load Europe</source>
        <translation>Europa laden</translation>
    </message>
    <message>
        <source>&amp;MiddleEast</source>
        <translation>&amp;Naher Osten</translation>
    </message>
    <message>
        <source>M&amp;iddle East</source>
        <translation>&amp;Naher Osten</translation>
    </message>
    <message>
        <source>Load Middle East</source>
        <translation>Naher Osten laden</translation>
    </message>
    <message>
        <source>&amp;Oceania</source>
        <translation>&amp;Ozeanien</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Ozeanien</translation>
    </message>
    <message>
        <source>Load Oceania</source>
        <translation>Ozeanien laden</translation>
    </message>
    <message>
        <source>The language of the interface; it changes at the next start</source>
        <translation>Die Sprache der Oberfläche; sie wechselt beim nächsten Start</translation>
    </message>
    <message>
        <source>Save &amp;Transaction Log...</source>
        <translation>Transaktionsprotokoll &amp;speichern...</translation>
    </message>
    <message>
        <source>Save Transaction Log As...</source>
        <translation>Transaktionsprotokoll speichern unter...</translation>
    </message>
    <message>
        <source>Preview &amp;Customer Receipt</source>
        <translation>Vorschau &amp;Kundenbeleg</translation>
    </message>
    <message>
        <source>Preview Customer Receipt</source>
        <translation>Vorschau Kundenbeleg</translation>
    </message>
    <message>
        <source>Preview Transaction &amp;Log</source>
        <translation>Vorschau Transaktions&amp;protokoll</translation>
    </message>
    <message>
        <source>Preview Transaction Log</source>
        <translation>Vorschau Transaktionsprotokoll</translation>
    </message>
    <message>
        <source>Print Customer Receipt</source>
        <translation>Kundenbeleg drucken</translation>
    </message>
    <message>
        <source>Print T&amp;ransaction Log</source>
        <translation>Transaktionsprotokoll &amp;drucken</translation>
    </message>
    <message>
        <source>Print Transaction Log</source>
        <translation>Transaktionsprotokoll drucken</translation>
    </message>
    <message>
        <source>Print &amp;Header Options</source>
        <translation>&amp;Optionen für Kopfdaten</translation>
    </message>
    <message>
        <source>Print Header Options</source>
        <translation>Optionen für Kopfdaten</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>View &amp;Transaction Log</source>
        <translation>&amp;Transaktionsprotokoll anzeigen</translation>
    </message>
    <message>
        <source>Show Transaction Log</source>
        <translation>Transaktionsprotokoll anzeigen</translation>
    </message>
    <message>
        <source>Count&amp;ry List</source>
        <translation>&amp;Länderliste</translation>
    </message>
    <message>
        <source>Show Country Drag/Drop List</source>
        <translation>Länderliste zum Ziehen und Ablegen anzeigen</translation>
    </message>
    <message>
        <source>Country Drag &amp;List	Ctrl+R</source>
        <translation>&amp;Länderliste zum Ziehen	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Folder Name</source>
        <translation>Register&amp;name</translation>
    </message>
    <message>
        <source>Change Folder Name</source>
        <translation>Registernamen ändern</translation>
    </message>
    <message>
        <source>C&amp;hange Folder Name</source>
        <translation>Registernamen ä&amp;ndern</translation>
    </message>
    <message>
        <source>Clear &amp;Selected Folders</source>
        <translation>&amp;Ausgewählte Register leeren</translation>
    </message>
    <message>
        <source>Clear Selected Folders</source>
        <translation>Ausgewählte Register leeren</translation>
    </message>
    <message>
        <source>Clear Selected Folder</source>
        <translation>Ausgewähltes Register leeren</translation>
    </message>
    <message>
        <source>Clear &amp;All Folders</source>
        <translation>A&amp;lle Register leeren</translation>
    </message>
    <message>
        <source>Clear All Folders</source>
        <translation>Alle Register leeren</translation>
    </message>
    <message>
        <source>&amp;Load Default Folders</source>
        <translation>&amp;Standardregister laden</translation>
    </message>
    <message>
        <source>Load Default Folders</source>
        <translation>Standardregister laden</translation>
    </message>
    <message>
        <source>&amp;Date Currency Format</source>
        <translation>&amp;Datums- und Zahlenformat</translation>
    </message>
    <message>
        <source>Edit Date Currency Format</source>
        <translation>Datums- und Zahlenformat bearbeiten</translation>
    </message>
    <message>
        <source>Set Accounting &amp;ExportFile</source>
        <translation>&amp;Export-Kontodatei festlegen</translation>
    </message>
    <message>
        <source>Set Accounting Export File</source>
        <translation>Export-Kontodatei festlegen</translation>
    </message>
    <message>
        <source>&amp;Rollback</source>
        <translation>Kurse &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Rollback</source>
        <translation>Kurse zurücksetzen</translation>
    </message>
    <message>
        <source>Currency &amp;Editor</source>
        <translation>&amp;Währungseditor</translation>
    </message>
    <message>
        <source>Currency Editor</source>
        <translation>Währungseditor</translation>
    </message>
    <message>
        <source>C&amp;ommissionEditor</source>
        <translation>&amp;Provisionseditor</translation>
    </message>
    <message>
        <source>Commission Editor</source>
        <translation>Provisionseditor</translation>
    </message>
    <message>
        <source>&amp;Firewall Setup</source>
        <translation>&amp;Firewall einrichten</translation>
    </message>
    <message>
        <source>Firewall Setup</source>
        <translation>Firewall einrichten</translation>
    </message>
    <message>
        <source>&amp;Help Index</source>
        <translation>Hilfe&amp;index</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Hilfeindex</translation>
    </message>
    <message>
        <source>&amp;Download Latest Version</source>
        <translation>Neueste Version &amp;herunterladen</translation>
    </message>
    <message>
        <source>Download Latest Version</source>
        <translation>Neueste Version herunterladen</translation>
    </message>
    <message>
        <source>Delete Country</source>
        <translation>Land löschen</translation>
    </message>
    <message>
        <source>Update from the Web</source>
        <translation>Aus dem Internet aktualisieren</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>About &amp;ZYMTechnology</source>
        <translation>Über &amp;ZYMTechnology</translation>
    </message>
    <message>
        <source>About ZYMTechnology</source>
        <translation>Über ZYMTechnology</translation>
    </message>
    <message>
        <source>&amp;Show Commission Toobar</source>
        <translation>Provisionsleiste an&amp;zeigen</translation>
    </message>
    <message>
        <source>Show Print Accounting Dialog</source>
        <translation>Dialog Druck/Konten anzeigen</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>Schnelldruck</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
</context>
<context>
    <name>CommissionBar</name>
    <message>
        <source>Cash</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Traveller&apos;s Cheques</source>
        <translation>Reiseschecks</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Ankauf</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Verkauf</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Provision</translation>
    </message>
</context>
<context>
    <name>CurrencyPanes</name>
    <message>
        <source>Local exchange panel</source>
        <translation>Umrechnungsfeld Landeswährung</translation>
    </message>
    <message>
        <source>Reverse Mode</source>
        <translation>Umkehrmodus</translation>
    </message>
    <message>
        <source>Foreign exchange panel</source>
        <translation>Umrechnungsfeld Fremdwährung</translation>
    </message>
    <message>
        <source>Update Currencies</source>
        <translation>Kurse aktualisieren</translation>
    </message>
    <message>
        <source>Show Commision Toobar</source>
        <translation>Provisionsleiste anzeigen</translation>
    </message>
    <message>
        <source>Hide Commission Toobar</source>
        <translation>Provisionsleiste ausblenden</translation>
    </message>
    <message>
        <source>Show Commission Toobar</source>
        <translation>Provisionsleiste anzeigen</translation>
    </message>
</context>
<context>
    <name>DialogToolBar</name>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>KeypadPanel</name>
    <message>
        <source>Reverse Mode</source>
        <translation>Umkehrmodus</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>Schnelldruck</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>LanguageCommands</name>
    <message>
        <source>The language you chose is shown from the next start of the program.</source>
        <translation>Die gewählte Sprache wird ab dem nächsten Programmstart verwendet.</translation>
    </message>
</context>
<context>
    <name>LogCommands</name>
    <message>
        <source>Save Transaction Log</source>
        <translation>Transaktionsprotokoll speichern</translation>
    </message>
    <message>
        <source>Transaction Log (*.tlg *.TLG)</source>
        <translation>Transaktionsprotokoll (*.tlg *.TLG)</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
</context>
<context>
    <name>Receipt</name>
    <message>
        <source>CUSTOMER COPY</source>
        <translation>KUNDENBELEG</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Tel.:</translation>
    </message>
    <message>
        <source>Fax:</source>
        <translation>Fax:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Draft, P/Cheque, M/Order Details</source>
        <translation>Wechsel, Scheck, Postanweisung</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Local Currency</source>
        <translation>Landeswährung</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Wechselkurs</translation>
    </message>
    <message>
        <source>Converted Currency</source>
        <translation>Umgerechnete Währung</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Abgabe</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Gebühr</translation>
    </message>
    <message>
        <source>TOTAL AMOUNT</source>
        <translation>GESAMTBETRAG</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Ankauf</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Verkauf</translation>
    </message>
    <message>
        <source>Base Rate</source>
        <translation>Basiskurs</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Traveller&apos;s Cheques</source>
        <translation>Reiseschecks</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Transaction Log Date: %1 Time:%2</source>
        <translation>Transaktionsprotokoll Datum: %1 Zeit:%2</translation>
    </message>
</context>
<context>
    <name>TAccountForm</name>
    <message>
        <source>Set Accounting Export File</source>
        <translation>Export-Kontodatei festlegen</translation>
    </message>
    <message>
        <source>Use Account Export File</source>
        <translation>Export-Kontodatei verwenden</translation>
    </message>
    <message>
        <source>File Path/Directory</source>
        <translation>Pfad/Ordner</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Error: Unable to Select Directory</source>
        <translation>Fehler: Ordner kann nicht gewählt werden</translation>
    </message>
    <message>
        <source>Select a Startup Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Error: Unable to Open to select signature file</source>
        <translation>Fehler: Datei kann nicht zur Auswahl geöffnet werden</translation>
    </message>
    <message>
        <source>Error: Unable to create new signature file</source>
        <translation>Fehler: Neue Datei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Choose the folder of the account file.</source>
        <translation>Der Ordner %1 existiert nicht. Wählen Sie den Ordner der Kontodatei.</translation>
    </message>
</context>
<context>
    <name>TAddCurrency</name>
    <message>
        <source>User Defined Currency</source>
        <translation>Eigene Währung</translation>
    </message>
    <message>
        <source>&amp;Country Name:</source>
        <translation>&amp;Ländername:</translation>
    </message>
    <message>
        <source>&amp;Use existing currency</source>
        <translation>&amp;Vorhandene Währung</translation>
    </message>
    <message>
        <source>&amp;Pseudo 3 character ISO code</source>
        <translation>&amp;Pseudo-ISO-Code (3 Zeichen)</translation>
    </message>
    <message>
        <source>&amp;Exchange Rate:</source>
        <translation>&amp;Wechselkurs:</translation>
    </message>
    <message>
        <source>&amp;Denomination e.g. Dollars</source>
        <translation>&amp;Bezeichnung, z. B. Dollar</translation>
    </message>
    <message>
        <source>No currency code chosen.</source>
        <translation>Kein Währungscode gewählt.</translation>
    </message>
</context>
<context>
    <name>TCurrencyEditor</name>
    <message>
        <source>No Currency has been selected.</source>
        <translation>Es ist keine Währung ausgewählt.</translation>
    </message>
    <message>
        <source>Can only delete from User Defined currencies</source>
        <translation>Nur eigene Währungen können gelöscht werden</translation>
    </message>
    <message>
        <source>Currency Changer</source>
        <translation>Währungen bearbeiten</translation>
    </message>
    <message>
        <source>Unable to load dll - TCE</source>
        <translation>DLL kann nicht geladen werden - TCE</translation>
    </message>
    <message>
        <source>Add New Currency</source>
        <translation>Neue Währung</translation>
    </message>
    <message>
        <source>Edit Currency</source>
        <translation>Währung bearbeiten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete Currency</source>
        <translation>Währung löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>All currencies are relative to the USD</source>
        <translation>Alle Kurse beziehen sich auf den USD</translation>
    </message>
    <message>
        <source>Expand Tree View</source>
        <translation>Baum aufklappen</translation>
    </message>
    <message>
        <source>Disable Currency Update Button</source>
        <translation>Kursaktualisierung sperren</translation>
    </message>
</context>
<context>
    <name>TCurrencyForm</name>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Traveller&apos;s Cheque</source>
        <translation>Reisescheck</translation>
    </message>
    <message>
        <source>Commission Setup</source>
        <translation>Provisionen einrichten</translation>
    </message>
    <message>
        <source>Load Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Clear Settings</source>
        <translation>Alles leeren</translation>
    </message>
    <message>
        <source>Local Currency</source>
        <translation>Landeswährung</translation>
    </message>
    <message>
        <source>Retail</source>
        <translation>Einzelhandel</translation>
    </message>
    <message>
        <source> Cash </source>
        <translation> Bargeld </translation>
    </message>
    <message>
        <source> Credit Card </source>
        <translation> Kreditkarte </translation>
    </message>
    <message>
        <source> Traveller&apos;s Cheque </source>
        <translation> Reisescheck </translation>
    </message>
    <message>
        <source>Sell(%)</source>
        <translation>Verk.(%)</translation>
    </message>
    <message>
        <source>Buy(%)</source>
        <translation>Ank.(%)</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Sell Min. </source>
        <translation>Verkauf Min. </translation>
    </message>
    <message>
        <source>Buy Min. </source>
        <translation>Ankauf Min. </translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Provision</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Abgabe</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des Bereichs (%1)</translation>
    </message>
    <message>
        <source>Error: Unable to Load Currency Values from Registry</source>
        <translation>Fehler: Währungswerte können nicht aus den Einstellungen geladen werden</translation>
    </message>
    <message>
        <source>Error: Unable to Write Currency Values to Registry</source>
        <translation>Fehler: Währungswerte können nicht in die Einstellungen geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TCurrencySelector</name>
    <message>
        <source>Currency Selector</source>
        <translation>Währungsauswahl</translation>
    </message>
    <message>
        <source>Left Click Drag your choice of country</source>
        <translation>Ziehen Sie das gewählte Land mit der Maus</translation>
    </message>
    <message>
        <source>onto an exchange panel or button.</source>
        <translation>auf ein Umrechnungsfeld oder eine Taste.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Error: Unable to Execute Browser Launch</source>
        <translation>Fehler: Der Browser kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Cl&amp;ear Folders</source>
        <translation>Registe&amp;r leeren</translation>
    </message>
    <message>
        <source>&amp;Load Default Folders</source>
        <translation>&amp;Standardregister laden</translation>
    </message>
    <message>
        <source>Lan&amp;guage (next start)</source>
        <translation>S&amp;prache (nächster Start)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>L&amp;eeren</translation>
    </message>
    <message>
        <source>Load &amp;Defaults</source>
        <translation>&amp;Standardwerte laden</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Vemox Help</source>
        <translation>Vemox-Hilfe</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Die Hilfeseiten sind auf Englisch.</translation>
    </message>
</context>
<context>
    <name>TPrintGo</name>
    <message>
        <source>Print/Accounts</source>
        <translation>Druck/Konten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Add to Account File</source>
        <translation>Zur Kontodatei hinzufügen</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>Diesen Dialog nicht mehr zeigen</translation>
    </message>
</context>
<context>
    <name>TPrintOptions</name>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Company Name: </source>
        <translation>Firmenname: </translation>
    </message>
    <message>
        <source>Street&amp;1:</source>
        <translation>Straße &amp;1:</translation>
    </message>
    <message>
        <source>Street&amp;2:</source>
        <translation>Straße &amp;2:</translation>
    </message>
    <message>
        <source>&amp;City:</source>
        <translation>&amp;Ort:</translation>
    </message>
    <message>
        <source>&amp;State:</source>
        <translation>&amp;Bundesland:</translation>
    </message>
    <message>
        <source>&amp;Zip:</source>
        <translation>&amp;PLZ:</translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation>&amp;Land:</translation>
    </message>
    <message>
        <source>&amp;Email:</source>
        <translation>&amp;E-Mail:</translation>
    </message>
    <message>
        <source>&amp;Phone: </source>
        <translation>&amp;Telefon: </translation>
    </message>
    <message>
        <source>&amp;Fax: </source>
        <translation>&amp;Fax: </translation>
    </message>
    <message>
        <source>&amp;Web Page:</source>
        <translation>&amp;Webseite:</translation>
    </message>
    <message>
        <source>&amp;User Info:</source>
        <translation>Benutzer&amp;info:</translation>
    </message>
    <message>
        <source>Branch Name:</source>
        <translation>Filiale:</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Title/Name</source>
        <translation>Titel/Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Include Title</source>
        <translation>Titel drucken</translation>
    </message>
    <message>
        <source>Include Name</source>
        <translation>Name drucken</translation>
    </message>
    <message>
        <source>Include Todays Date</source>
        <translation>Heutiges Datum drucken</translation>
    </message>
    <message>
        <source>Print Type</source>
        <translation>Druckart</translation>
    </message>
    <message>
        <source>40 Column Printer</source>
        <translation>Drucker mit 40 Spalten</translation>
    </message>
    <message>
        <source>80 Column Printer</source>
        <translation>Drucker mit 80 Spalten</translation>
    </message>
    <message>
        <source>Include Address Information</source>
        <translation>Adressangaben drucken</translation>
    </message>
    <message>
        <source>Error: Unable to write Banner data to registry</source>
        <translation>Fehler: Kopfdaten können nicht in die Einstellungen geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TQuickReportViewer</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Page ? of ?</source>
        <translation>Seite ? von ?</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Fit to screen</source>
        <translation>An Bildschirm anpassen</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Vorherige Seite</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Fir&amp;st Page</source>
        <translation>&amp;Erste Seite</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>&amp;Last Page</source>
        <translation>&amp;Letzte Seite</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Fit to Screen</source>
        <translation>&amp;An Bildschirm anpassen</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>An &amp;Breite anpassen</translation>
    </message>
    <message>
        <source>Open a Report</source>
        <translation>Bericht öffnen</translation>
    </message>
    <message>
        <source>Save Details</source>
        <translation>Bericht speichern</translation>
    </message>
</context>
<context>
    <name>TTransLog</name>
    <message>
        <source>Transaction Log</source>
        <translation>Transaktionsprotokoll</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>ActionPrint</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>ActionOkay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ActionHelp</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>TabCommands</name>
    <message>
        <source>This will delete current settings!</source>
        <translation>Die aktuellen Einstellungen werden gelöscht!</translation>
    </message>
    <message>
        <source>Load Defaults</source>
        <translation>Standardwerte laden</translation>
    </message>
    <message>
        <source>Change Tab Name</source>
        <translation>Registernamen ändern</translation>
    </message>
    <message>
        <source>Enter the new Tab Name</source>
        <translation>Neuen Registernamen eingeben</translation>
    </message>
</context>
<context>
    <name>Tdateform</name>
    <message>
        <source>Date Format</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Currency Format </source>
        <translation>Zahlenformat </translation>
    </message>
    <message>
        <source>, Thousands . decimal</source>
        <translation>, Tausender . Dezimal</translation>
    </message>
    <message>
        <source>. Thousands , decimal</source>
        <translation>. Tausender , Dezimal</translation>
    </message>
    <message>
        <source>Number of Decimal places:</source>
        <translation>Dezimalstellen:</translation>
    </message>
    <message>
        <source>Date Format </source>
        <translation>Datumsformat </translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Lang</translation>
    </message>
</context>
<context>
    <name>Tproxyform</name>
    <message>
        <source>Firewall Settings</source>
        <translation>Firewall-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Use Firewall</source>
        <translation>&amp;Firewall verwenden</translation>
    </message>
    <message>
        <source>&amp;Proxy Address:</source>
        <translation>&amp;Proxy-Adresse:</translation>
    </message>
    <message>
        <source>U&amp;ser ID:</source>
        <translation>&amp;Benutzer-ID:</translation>
    </message>
    <message>
        <source>&amp;Pwd:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>Incorrect Server or Port settings</source>
        <translation>Server oder Port falsch eingestellt</translation>
    </message>
</context>
<context>
    <name>Vemox</name>
    <message>
        <source>The file path %1no longer exists. Check your directory settings.
Append to Accounts aborted.</source>
        <translation>Der Pfad %1existiert nicht mehr. Prüfen Sie die Ordnereinstellungen.
Hinzufügen zu den Konten abgebrochen.</translation>
    </message>
    <message>
        <source>Open Account File</source>
        <translation>Kontodatei öffnen</translation>
    </message>
    <message>
        <source>ZYM Account File (*.afe *.AFE)</source>
        <translation>ZYM-Kontodatei (*.afe *.AFE)</translation>
    </message>
    <message>
        <source>File does not exist. Create new file?</source>
        <translation>Die Datei existiert nicht. Neue Datei anlegen?</translation>
    </message>
    <message>
        <source>Create New Account File</source>
        <translation>Neue Kontodatei anlegen</translation>
    </message>
    <message>
        <source>Enter Account File Name:</source>
        <translation>Name der Kontodatei:</translation>
    </message>
    <message>
        <source>A file name cannot name a folder: </source>
        <translation>Ein Dateiname darf keinen Ordner nennen: </translation>
    </message>
    <message>
        <source>
The transaction was not added to the account file; it is kept and can be exported again.</source>
        <translation>
Die Transaktion wurde nicht zur Kontodatei hinzugefügt; sie bleibt erhalten und kann erneut exportiert werden.</translation>
    </message>
    <message>
        <source>Unable to create file. Check disk is not full.</source>
        <translation>Datei kann nicht angelegt werden. Ist der Datenträger voll?</translation>
    </message>
    <message>
        <source>No Transaction to Save to File.</source>
        <translation>Keine Transaktion zum Speichern.</translation>
    </message>
    <message>
        <source>Added to Accounts</source>
        <translation>Zu Konten hinzugefügt</translation>
    </message>
    <message>
        <source>Account File is Undefined</source>
        <translation>Kontodatei nicht festgelegt</translation>
    </message>
    <message>
        <source>No currency data loaded!</source>
        <translation>Keine Kursdaten geladen!</translation>
    </message>
    <message>
        <source>No rates: the data file names only the update servers</source>
        <translation>Keine Kurse: die Datendatei nennt nur die Aktualisierungsserver</translation>
    </message>
    <message>
        <source>an unstated date</source>
        <translation>einem unbekannten Datum</translation>
    </message>
    <message>
        <source>Rates of %1</source>
        <translation>Kurse vom %1</translation>
    </message>
    <message>
        <source>Last update: </source>
        <translation>Aktualisiert: </translation>
    </message>
    <message>
        <source>No data uploaded! Server may be down or busy.
Please try again later</source>
        <translation>Keine Daten empfangen! Der Server ist vielleicht nicht erreichbar oder ausgelastet.
Bitte später erneut versuchen</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>There is no rollback copy for this session: it could not be made at start (%1)</source>
        <translation>Für diese Sitzung gibt es keine Sicherungskopie: sie konnte beim Start nicht angelegt werden (%1)</translation>
    </message>
    <message>
        <source>Missing Rollback data file</source>
        <translation>Sicherungsdatei fehlt</translation>
    </message>
    <message>
        <source>Rollback complete!</source>
        <translation>Kurse zurückgesetzt!</translation>
    </message>
    <message>
        <source>the rates the program started with</source>
        <translation>die Kurse beim Programmstart</translation>
    </message>
    <message>
        <source>Country Name</source>
        <translation>Ländername</translation>
    </message>
    <message>
        <source>Denomination</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>No Country Name given.</source>
        <translation>Kein Ländername angegeben.</translation>
    </message>
    <message>
        <source>This country name already exists.</source>
        <translation>Diesen Ländernamen gibt es schon.</translation>
    </message>
    <message>
        <source>Must be your own Unique psuedo ISO value
and not one in use by a given country.</source>
        <translation>Es muss ein eigener, eindeutiger Pseudo-ISO-Code sein
und keiner, den ein Land schon verwendet.</translation>
    </message>
    <message>
        <source>Cannot create a new currency with 0.0 values</source>
        <translation>Eine neue Währung mit dem Wert 0.0 ist nicht möglich</translation>
    </message>
    <message>
        <source>No Country Denomination given.</source>
        <translation>Keine Währungsbezeichnung angegeben.</translation>
    </message>
    <message>
        <source>The pseudo ISO code must be three letters.</source>
        <translation>Der Pseudo-ISO-Code muss aus drei Buchstaben bestehen.</translation>
    </message>
    <message>
        <source>The %1 cannot hold a line break, &quot;&lt;&quot; or &quot;&gt;&quot;, or a character outside Western European letters:
the currency file could not be read back.</source>
        <translation>Das Feld %1 darf keinen Zeilenumbruch, kein &quot;&lt;&quot; oder &quot;&gt;&quot; und keine Zeichen außerhalb der westeuropäischen Buchstaben enthalten:
die Währungsdatei wäre sonst nicht mehr lesbar.</translation>
    </message>
    <message>
        <source> Error: Unable to complete iso/currency name set up</source>
        <translation> Fehler: ISO-Code und Währungsname können nicht übernommen werden</translation>
    </message>
    <message>
        <source>UserDefined.dat was not read when the currency data was loaded.
It is kept as it is: user-defined currencies cannot be added or deleted until it loads.</source>
        <translation>UserDefined.dat wurde beim Laden der Kursdaten nicht gelesen.
Die Datei bleibt unverändert: eigene Währungen können erst nach erfolgreichem Laden hinzugefügt oder gelöscht werden.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Vemox report</source>
        <translation>Vemox-Bericht</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>Kommagetrennt</translation>
    </message>
    <message>
        <source>The file extension given does not match the format selected.</source>
        <translation>Die Dateiendung passt nicht zum gewählten Format.</translation>
    </message>
    <message>
        <source>Wrong file extension</source>
        <translation>Falsche Dateiendung</translation>
    </message>
    <message>
        <source>The file %1 is not a Vemox report file</source>
        <translation>Die Datei %1 ist kein Vemox-Bericht</translation>
    </message>
    <message>
        <source>The report file %1 was saved by a later version of Vemox (format %2); this version reads format %3 and earlier</source>
        <translation>Der Bericht %1 wurde von einer neueren Vemox-Version gespeichert (Format %2); diese Version liest Format %3 und älter</translation>
    </message>
    <message>
        <source>The report file %1 is damaged or incomplete</source>
        <translation>Der Bericht %1 ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>No printer is installed, so the report cannot be printed.
Save it as a PDF file instead?</source>
        <translation>Es ist kein Drucker eingerichtet, der Bericht kann nicht gedruckt werden.
Stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>The report could not be printed on the printer &quot;%1&quot;.
Save it as a PDF file instead?</source>
        <translation>Der Bericht konnte auf dem Drucker &quot;%1&quot; nicht gedruckt werden.
Stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>Printed on &quot;%1&quot;</source>
        <translation>Gedruckt auf &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Branch</source>
        <translation>Filiale</translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation>Adresse 1</translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation>Adresse 2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesland</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>%1 is larger than 40 characters long. Truncation will apply.</source>
        <translation>%1 ist länger als 40 Zeichen und wird gekürzt.</translation>
    </message>
    <message>
        <source>Help topic &apos;%1&apos; does not exist</source>
        <translation>Das Hilfethema &apos;%1&apos; gibt es nicht</translation>
    </message>
    <message>
        <source>The help file %1 is missing</source>
        <translation>Die Hilfedatei %1 fehlt</translation>
    </message>
    <message>
        <source>Help topic &apos;%1&apos; is not in the help file (%2 is missing)</source>
        <translation>Das Hilfethema &apos;%1&apos; fehlt in der Hilfe (%2 fehlt)</translation>
    </message>
    <message>
        <source>The picture&apos;s pixels do not fill %1 x %2</source>
        <translation>Die Bildpunkte füllen %1 x %2 nicht aus</translation>
    </message>
    <message>
        <source>No memory for a %1 x %2 picture</source>
        <translation>Kein Speicher für ein Bild von %1 x %2</translation>
    </message>
    <message>
        <source>No currency data. Upload from the Web.</source>
        <translation>Keine Kursdaten. Aus dem Internet laden.</translation>
    </message>
    <message>
        <source>No Currency Data Loaded or no currency has been defined.
Upload now?</source>
        <translation>Keine Kursdaten geladen oder keine Währung festgelegt.
Jetzt laden?</translation>
    </message>
    <message>
        <source>There is still no rate for %1. Nothing was converted.</source>
        <translation>Für %1 gibt es noch keinen Kurs. Es wurde nichts umgerechnet.</translation>
    </message>
    <message>
        <source>No currency to convert from has been chosen.</source>
        <translation>Es wurde keine Ausgangswährung gewählt.</translation>
    </message>
    <message>
        <source>%1 is not in the currency table, so it has no rate.</source>
        <translation>%1 steht nicht in der Währungstabelle und hat daher keinen Kurs.</translation>
    </message>
    <message>
        <source> Nothing was converted.</source>
        <translation> Es wurde nichts umgerechnet.</translation>
    </message>
    <message>
        <source>Awaiting update!</source>
        <translation>Update ausstehend!</translation>
    </message>
    <message>
        <source>Error E72: Error writing to registry</source>
        <translation>Fehler E72: Fehler beim Schreiben der Einstellungen</translation>
    </message>
    <message>
        <source>No rate</source>
        <translation>Kein Kurs</translation>
    </message>
    <message>
        <source>1 USD = %1 %2</source>
        <translation>1 USD = %1 %2</translation>
    </message>
    <message>
        <source>, as of </source>
        <translation>, Stand: </translation>
    </message>
    <message>
        <source>Todays date: </source>
        <translation>Heute: </translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des Bereichs (%1)</translation>
    </message>
    <message>
        <source>Currency button</source>
        <translation>Währungstaste</translation>
    </message>
    <message>
        <source>Tab caption %1</source>
        <translation>Registername %1</translation>
    </message>
    <message>
        <source>Error: Unable to load resource dll - rgx</source>
        <translation>Fehler: Ressourcen-DLL kann nicht geladen werden - rgx</translation>
    </message>
    <message>
        <source>Error: Unable To Load Buttons</source>
        <translation>Fehler: Tasten können nicht geladen werden</translation>
    </message>
    <message>
        <source>Cannot Load Global List</source>
        <translation>Globale Liste kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Bad Selection Error:</source>
        <translation>Fehler, ungültige Auswahl:</translation>
    </message>
    <message>
        <source>Error on Location: %1</source>
        <translation>Fehler in Region: %1</translation>
    </message>
    <message>
        <source>Error: Unable to initialise Currency Changer</source>
        <translation>Fehler: Der Währungseditor kann nicht initialisiert werden</translation>
    </message>
    <message>
        <source>This Country has no defined currency value.
It cannot be dragged onto an exchange pane
or button.</source>
        <translation>Für dieses Land ist kein Währungswert festgelegt.
Es kann nicht auf ein Umrechnungsfeld
oder eine Taste gezogen werden.</translation>
    </message>
    <message>
        <source>The currency data file %1 is empty</source>
        <translation>Die Kursdatei %1 ist leer</translation>
    </message>
    <message>
        <source>The currency data file %1 is incomplete: it holds %2 of the at least 3 lines it needs</source>
        <translation>Die Kursdatei %1 ist unvollständig: sie enthält %2 der mindestens 3 nötigen Zeilen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid rate: a rate is a number above zero</source>
        <translation>&apos;%1&apos; ist kein gültiger Kurs: ein Kurs ist eine Zahl größer als null</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid rate: it is too small to convert with</source>
        <translation>&apos;%1&apos; ist kein gültiger Kurs: er ist zu klein zum Umrechnen</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>Error: Unable to read resource library</source>
        <translation>Fehler: Die Ressourcenbibliothek kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Error: Unable to read from resource library</source>
        <translation>Fehler: Aus der Ressourcenbibliothek kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Error E100: Error Loading currency data</source>
        <translation>Fehler E100: Fehler beim Laden der Kursdaten</translation>
    </message>
    <message>
        <source>Server Error: Please Re-load page</source>
        <translation>Serverfehler: Bitte Seite neu laden</translation>
    </message>
    <message>
        <source>Problems updating from Server - Try again later</source>
        <translation>Probleme bei der Aktualisierung vom Server - Bitte später erneut versuchen</translation>
    </message>
    <message>
        <source>%1 has %2 more lines that cannot be used.</source>
        <translation>%1 enthält %2 weitere Zeilen, die nicht verwendet werden können.</translation>
    </message>
    <message>
        <source>the country name &apos;%1&apos; is taken by an earlier currency, so this one cannot be used</source>
        <translation>der Ländername &apos;%1&apos; gehört schon zu einer früheren Währung, daher kann diese nicht verwendet werden</translation>
    </message>
    <message>
        <source>Error: Malformed cgi script. Possible Host Server 404 error.</source>
        <translation>Fehler: Fehlerhaftes CGI-Skript. Möglicherweise Serverfehler 404.</translation>
    </message>
    <message>
        <source>Error: Missing Currency.dat file</source>
        <translation>Fehler: Die Datei Currency.dat fehlt</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Warning: More than 20 country currencies are missing data. One of the Exchange Servers could be down. Download again or try again later.</source>
        <translation>Warnung: Für mehr als 20 Landeswährungen fehlen Daten. Einer der Kursserver ist vielleicht nicht erreichbar. Laden Sie erneut oder versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>Received %1KB</source>
        <translation>%1 KB empfangen</translation>
    </message>
    <message>
        <source>Received %1KB of %2KB</source>
        <translation>%1 KB von %2 KB empfangen</translation>
    </message>
    <message>
        <source>Error transferring %1 - server replied: %2 %3</source>
        <translation>Fehler bei der Übertragung von %1 - Antwort des Servers: %2 %3</translation>
    </message>
    <message>
        <source>%1: the transfer was cut off after %2 of %3 bytes</source>
        <translation>%1: die Übertragung brach nach %2 von %3 Bytes ab</translation>
    </message>
    <message>
        <source>%1: the transfer was cut off after %2 bytes</source>
        <translation>%1: die Übertragung brach nach %2 Bytes ab</translation>
    </message>
    <message>
        <source>Proxy %1:%2 refused the connection</source>
        <translation>Der Proxy %1:%2 hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>Proxy %1:%2 was not found</source>
        <translation>Der Proxy %1:%2 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Proxy %1:%2 closed the connection before the reply</source>
        <translation>Der Proxy %1:%2 hat die Verbindung vor der Antwort geschlossen</translation>
    </message>
    <message>
        <source>Proxy %1:%2 did not answer in time</source>
        <translation>Der Proxy %1:%2 hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>Proxy %1:%2: %3</source>
        <translation>Proxy %1:%2: %3</translation>
    </message>
    <message>
        <source>Error: The server&apos;s reply is larger than %1 MB and was refused. Nothing was changed</source>
        <translation>Fehler: Die Antwort des Servers ist größer als %1 MB und wurde abgelehnt. Es wurde nichts geändert</translation>
    </message>
    <message>
        <source>Connection Established</source>
        <translation>Verbindung hergestellt</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Timed out: the transfer took longer than %1 seconds and was ended</source>
        <translation>Zeitüberschreitung: die Übertragung dauerte länger als %1 Sekunden und wurde beendet</translation>
    </message>
    <message>
        <source>Read timed out: the server sent nothing for %1 seconds</source>
        <translation>Zeitüberschreitung beim Lesen: der Server hat %1 Sekunden lang nichts gesendet</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>The file %1 is not a regular file and was not read</source>
        <translation>Die Datei %1 ist keine normale Datei und wurde nicht gelesen</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 and was not read</source>
        <translation>Die Datei %1 ist größer als %2 und wurde nicht gelesen</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Unknown Find EXE error</source>
        <translation>Unbekannter Find-EXE-Fehler</translation>
    </message>
    <message>
        <source>Unable to delete %1</source>
        <translation>%1 kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Bad path name - FE</source>
        <translation>Ungültiger Pfadname - FE</translation>
    </message>
    <message>
        <source>The file %1 could not be found</source>
        <translation>Die Datei %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>No File association found for the file type - %1</source>
        <translation>Keine Dateizuordnung für den Dateityp gefunden - %1</translation>
    </message>
    <message>
        <source>Not a valid exe or image file</source>
        <translation>Keine gültige EXE- oder Abbilddatei</translation>
    </message>
    <message>
        <source>Unable to locate file association %1</source>
        <translation>Dateizuordnung %1 nicht gefunden</translation>
    </message>
    <message>
        <source>The list is saved only under a plain file name: &quot;%1&quot;</source>
        <translation>Die Liste wird nur unter einem einfachen Dateinamen gespeichert: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The path is too long: %1</source>
        <translation>Der Pfad ist zu lang: %1</translation>
    </message>
    <message>
        <source>Files are deleted only in a folder given by its full path: &quot;%1&quot;</source>
        <translation>Dateien werden nur in einem Ordner mit vollständigem Pfad gelöscht: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The folder %1 does not exist</source>
        <translation>Der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>The root folder and the home folder are never emptied: &quot;%1&quot;</source>
        <translation>Der Stammordner und der Benutzerordner werden nie geleert: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Die Datei %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1; the part written could not be taken back: %2</source>
        <translation>%1; der geschriebene Teil konnte nicht zurückgenommen werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige Ganzzahl</translation>
    </message>
    <message>
        <source>… (%1 more lines)</source>
        <translation>… (%1 weitere Zeilen)</translation>
    </message>
    <message>
        <source>Error: Unable to read Proxy Address from Registry</source>
        <translation>Fehler: Die Proxy-Adresse kann nicht aus den Einstellungen gelesen werden</translation>
    </message>
    <message>
        <source>Error: Unable to read Proxy Userid from Registry</source>
        <translation>Fehler: Die Proxy-Benutzer-ID kann nicht aus den Einstellungen gelesen werden</translation>
    </message>
    <message>
        <source>Error: Unable to read Proxy User Password from Registry</source>
        <translation>Fehler: Das Proxy-Passwort kann nicht aus den Einstellungen gelesen werden</translation>
    </message>
    <message>
        <source>Error: Unable to read Proxy Port Number from Registry</source>
        <translation>Fehler: Die Proxy-Portnummer kann nicht aus den Einstellungen gelesen werden</translation>
    </message>
    <message>
        <source>The proxy address %1 names the scheme %2: only an HTTP proxy can be used, so leave the scheme out or write http://</source>
        <translation>Die Proxy-Adresse %1 nennt das Schema %2: nur ein HTTP-Proxy kann verwendet werden, lassen Sie das Schema also weg oder schreiben Sie http://</translation>
    </message>
    <message>
        <source>The proxy address %1 holds a path: give the proxy&apos;s host name alone</source>
        <translation>Die Proxy-Adresse %1 enthält einen Pfad: geben Sie nur den Hostnamen des Proxys an</translation>
    </message>
    <message>
        <source>The proxy address %1 ends in a port that is not a port number</source>
        <translation>Die Proxy-Adresse %1 endet mit einem Port, der keine Portnummer ist</translation>
    </message>
    <message>
        <source>The proxy address %1 names port %2, but the port field holds %3: give the port in one place</source>
        <translation>Die Proxy-Adresse %1 nennt den Port %2, das Portfeld aber %3: geben Sie den Port nur an einer Stelle an</translation>
    </message>
    <message>
        <source>The proxy address %1 names no host</source>
        <translation>Die Proxy-Adresse %1 nennt keinen Host</translation>
    </message>
    <message>
        <source>The proxy port %1 is not a port number</source>
        <translation>Der Proxy-Port %1 ist keine Portnummer</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1: %2. The program goes on, but the settings changed now will be lost when it closes</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden: %2. Das Programm läuft weiter, aber die jetzt geänderten Einstellungen gehen beim Beenden verloren</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1: %2</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Error: Out of memory</source>
        <translation>Fehler: Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>die Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>Öffnen nicht möglich: %1</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>größer als %1 MB</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>Lesen nicht möglich: %1</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2). It has been moved to %3 and the program goes on with its default settings.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden (%2). Sie wurde nach %3 verschoben, und das Programm läuft mit den Standardeinstellungen weiter.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2), and it could not be moved to %3 (%4). The program goes on with its default settings and will not save settings until the file is repaired or removed.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden (%2) und nicht nach %3 verschoben werden (%4). Das Programm läuft mit den Standardeinstellungen weiter und speichert keine Einstellungen, bis die Datei repariert oder entfernt ist.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made (%2)</source>
        <translation>der Ordner %1 kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>another program kept %1 locked</source>
        <translation>ein anderes Programm hielt %1 gesperrt</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made (%2)</source>
        <translation>die Sperrdatei %1 kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2)</source>
        <translation>%1 kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the first line is not REGEDIT4</source>
        <translation>die erste Zeile ist nicht REGEDIT4</translation>
    </message>
    <message>
        <source>unexpected text</source>
        <translation>unerwarteter Text</translation>
    </message>
    <message>
        <source>a value outside a key</source>
        <translation>ein Wert außerhalb eines Schlüssels</translation>
    </message>
    <message>
        <source>a key line without its closing bracket</source>
        <translation>eine Schlüsselzeile ohne schließende Klammer</translation>
    </message>
    <message>
        <source>a key outside HKEY_CURRENT_USER</source>
        <translation>ein Schlüssel außerhalb von HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>an invalid key name</source>
        <translation>ein ungültiger Schlüsselname</translation>
    </message>
    <message>
        <source>unterminated quoted text</source>
        <translation>nicht abgeschlossener Text in Anführungszeichen</translation>
    </message>
    <message>
        <source>a value name longer than %1 characters</source>
        <translation>ein Wertname mit mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>a value without &quot;=&quot;</source>
        <translation>ein Wert ohne &quot;=&quot;</translation>
    </message>
    <message>
        <source>text after a string</source>
        <translation>Text nach einer Zeichenkette</translation>
    </message>
    <message>
        <source>a dword without 8 hex digits</source>
        <translation>ein DWORD ohne 8 Hexziffern</translation>
    </message>
    <message>
        <source>an invalid hex(N) type</source>
        <translation>ein ungültiger hex(N)-Typ</translation>
    </message>
    <message>
        <source>an unknown value type</source>
        <translation>ein unbekannter Werttyp</translation>
    </message>
    <message>
        <source>a value removal line</source>
        <translation>eine Zeile zum Entfernen eines Werts</translation>
    </message>
    <message>
        <source>a hex byte without 2 digits</source>
        <translation>ein Hexbyte ohne 2 Ziffern</translation>
    </message>
    <message>
        <source>a hex list ending in a comma</source>
        <translation>eine Hexliste, die mit einem Komma endet</translation>
    </message>
    <message>
        <source>a value too large</source>
        <translation>ein zu großer Wert</translation>
    </message>
    <message>
        <source>the file ends inside a hex list</source>
        <translation>die Datei endet innerhalb einer Hexliste</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The resource library is not loaded</source>
        <translation>Die Ressourcenbibliothek ist nicht geladen</translation>
    </message>
    <message>
        <source>Resource id %1 is out of range</source>
        <translation>Die Ressourcen-ID %1 liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Resource id %1 is given twice</source>
        <translation>Die Ressourcen-ID %1 kommt doppelt vor</translation>
    </message>
    <message>
        <source>Picture %1 has a wrong size</source>
        <translation>Bild %1 hat eine falsche Größe</translation>
    </message>
    <message>
        <source>The resource library is too large</source>
        <translation>Die Ressourcenbibliothek ist zu groß</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 entry %2</source>
        <translation>%1, Eintrag %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>&apos;%1&apos; ist keine gültige Uhrzeit</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Daten für &apos;%1&apos; konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für &apos;%1&apos; konnten nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ZYMTimePanelComponent</name>
    <message>
        <source>am</source>
        <extracomment>Before noon, on a button 20 pixels wide: two letters at most.</extracomment>
        <translation>vm</translation>
    </message>
    <message>
        <source>pm</source>
        <extracomment>After noon, on a button 20 pixels wide: two letters at most.</extracomment>
        <translation>nm</translation>
    </message>
</context>
</TS>
