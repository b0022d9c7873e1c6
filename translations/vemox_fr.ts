<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccountCommands</name>
    <message>
        <source>Hide Print Accounting Dialog</source>
        <translation>Masquer le dialogue Impression/Comptes</translation>
    </message>
    <message>
        <source>Show Print Accounting Dialog</source>
        <translation>Afficher le dialogue Impression/Comptes</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Impression...</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Afica</source>
        <translation>&amp;Afrique</translation>
    </message>
    <message>
        <source>&amp;Africa</source>
        <translation>&amp;Afrique</translation>
    </message>
    <message>
        <source>Load Africa</source>
        <translation>Charger les onglets Afrique</translation>
    </message>
    <message>
        <source>A&amp;merica</source>
        <translation>Amé&amp;rique</translation>
    </message>
    <message>
        <source>Load America</source>
        <translation>Charger les onglets Amérique</translation>
    </message>
    <message>
        <source>A&amp;sia</source>
        <translation>A&amp;sie</translation>
    </message>
    <message>
        <source>Load Asia</source>
        <translation>Charger les onglets Asie</translation>
    </message>
    <message>
        <source>&amp;Caribbean</source>
        <translation>&amp;Caraïbes</translation>
    </message>
    <message>
        <source>&amp;Carribbean</source>
        <translation>&amp;Caraïbes</translation>
    </message>
    <message>
        <source>Load Caribbean</source>
        <translation>Charger les onglets Caraïbes</translation>
    </message>
    <message>
        <source>&amp;Europe</source>
        <translation>&amp;Europe</translation>
    </message>
    <message>
        <source>Load Europe</source>
        <translation>Charger les onglets Europe</translation>
    </message>
    <message>
        <source>&amp;MiddleEast</source>
        <translation>&amp;Moyen-Orient</translation>
    </message>
    <message>
        <source>M&amp;iddle East</source>
        <translation>&amp;Moyen-Orient</translation>
    </message>
    <message>
        <source>Load Middle East</source>
        <translation>Charger les onglets Moyen-Orient</translation>
    </message>
    <message>
        <source>&amp;Oceania</source>
        <translation>&amp;Océanie</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Océanie</translation>
    </message>
    <message>
        <source>Load Oceania</source>
        <translation>Charger les onglets Océanie</translation>
    </message>
    <message>
        <source>The language of the interface; it changes at the next start</source>
        <translation>La langue de l&apos;interface; elle change au prochain démarrage</translation>
    </message>
    <message>
        <source>Save &amp;Transaction Log...</source>
        <translation>Enregistrer le &amp;journal des opérations...</translation>
    </message>
    <message>
        <source>Save Transaction Log As...</source>
        <translation>Enregistrer le journal des opérations sous...</translation>
    </message>
    <message>
        <source>Preview &amp;Customer Receipt</source>
        <translation>Aperçu du &amp;reçu client</translation>
    </message>
    <message>
        <source>Preview Customer Receipt</source>
        <translation>Aperçu du reçu client</translation>
    </message>
    <message>
        <source>Preview Transaction &amp;Log</source>
        <translation>Aperçu du jo&amp;urnal des opérations</translation>
    </message>
    <message>
        <source>Preview Transaction Log</source>
        <translation>Aperçu du journal des opérations</translation>
    </message>
    <message>
        <source>Print Customer Receipt</source>
        <translation>Imprimer le reçu client</translation>
    </message>
    <message>
        <source>Print T&amp;ransaction Log</source>
        <translation>&amp;Imprimer le journal des opérations</translation>
    </message>
    <message>
        <source>Print Transaction Log</source>
        <translation>Imprimer le journal des opérations</translation>
    </message>
    <message>
        <source>Print &amp;Header Options</source>
        <translation>Options d&apos;&amp;en-tête d&apos;impression</translation>
    </message>
    <message>
        <source>Print Header Options</source>
        <translation>Options d&apos;en-tête d&apos;impression</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>View &amp;Transaction Log</source>
        <translation>Afficher le &amp;journal des opérations</translation>
    </message>
    <message>
        <source>Show Transaction Log</source>
        <translation>Afficher le journal des opérations</translation>
    </message>
    <message>
        <source>Count&amp;ry List</source>
        <translation>&amp;Liste des pays</translation>
    </message>
    <message>
        <source>Show Country Drag/Drop List</source>
        <translation>Afficher la liste des pays à glisser-déposer</translation>
    </message>
    <message>
        <source>Country Drag &amp;List	Ctrl+R</source>
        <translation>&amp;Liste des pays à glisser	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Folder Name</source>
        <translation>&amp;Nom de l&apos;onglet</translation>
    </message>
    <message>
        <source>Change Folder Name</source>
        <translation>Renommer l&apos;onglet</translation>
    </message>
    <message>
        <source>C&amp;hange Folder Name</source>
        <translation>&amp;Renommer l&apos;onglet</translation>
    </message>
    <message>
        <source>Clear &amp;Selected Folders</source>
        <translation>Vider les onglets &amp;sélectionnés</translation>
    </message>
    <message>
        <source>Clear Selected Folders</source>
        <translation>Vider les onglets sélectionnés</translation>
    </message>
    <message>
        <source>Clear Selected Folder</source>
        <translation>Vider l&apos;onglet sélectionné</translation>
    </message>
    <message>
        <source>Clear &amp;All Folders</source>
        <translation>Vider &amp;tous les onglets</translation>
    </message>
    <message>
        <source>Clear All Folders</source>
        <translation>Vider tous les onglets</translation>
    </message>
    <message>
        <source>&amp;Load Default Folders</source>
        <translation>&amp;Charger les onglets par défaut</translation>
    </message>
    <message>
        <source>Load Default Folders</source>
        <translation>Charger les onglets par défaut</translation>
    </message>
    <message>
        <source>&amp;Date Currency Format</source>
        <translation>&amp;Formats de date et de nombres</translation>
    </message>
    <message>
        <source>Edit Date Currency Format</source>
        <translation>Modifier les formats de date et de nombres</translation>
    </message>
    <message>
        <source>Set Accounting &amp;ExportFile</source>
        <translation>Fichier d&apos;&amp;export comptable</translation>
    </message>
    <message>
        <source>Set Accounting Export File</source>
        <translation>Fichier d&apos;export comptable</translation>
    </message>
    <message>
        <source>&amp;Rollback</source>
        <translation>&amp;Retour arrière</translation>
    </message>
    <message>
        <source>Rollback</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Currency &amp;Editor</source>
        <translation>Éditeur de &amp;devises</translation>
    </message>
    <message>
        <source>Currency Editor</source>
        <translation>Éditeur de devises</translation>
    </message>
    <message>
        <source>C&amp;ommissionEditor</source>
        <translation>Éditeur de &amp;commissions</translation>
    </message>
    <message>
        <source>Commission Editor</source>
        <translation>Éditeur de commissions</translation>
    </message>
    <message>
        <source>&amp;Firewall Setup</source>
        <translation>Réglages du &amp;pare-feu</translation>
    </message>
    <message>
        <source>Firewall Setup</source>
        <translation>Réglages du pare-feu</translation>
    </message>
    <message>
        <source>&amp;Help Index</source>
        <translation>&amp;Index de l&apos;aide</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Index de l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Download Latest Version</source>
        <translation>&amp;Télécharger la dernière version</translation>
    </message>
    <message>
        <source>Download Latest Version</source>
        <translation>Télécharger la dernière version</translation>
    </message>
    <message>
        <source>Delete Country</source>
        <translation>Supprimer le pays</translation>
    </message>
    <message>
        <source>Update from the Web</source>
        <translation>Mettre à jour depuis le Web</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>About &amp;ZYMTechnology</source>
        <translation>À propos de &amp;ZYMTechnology</translation>
    </message>
    <message>
        <source>About ZYMTechnology</source>
        <translation>À propos de ZYMTechnology</translation>
    </message>
    <message>
        <source>&amp;Show Commission Toobar</source>
        <translation>&amp;Afficher la barre des commissions</translation>
    </message>
    <message>
        <source>Show Print Accounting Dialog</source>
        <translation>Afficher le dialogue Impression/Comptes</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>Impression rapide</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
</context>
<context>
    <name>CommissionBar</name>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Traveller&apos;s Cheques</source>
        <translation>Chèques-voyage</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Achat</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Vente</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Commission</translation>
    </message>
</context>
<context>
    <name>CurrencyPanes</name>
    <message>
        <source>Local exchange panel</source>
        <translation>Panneau de change local</translation>
    </message>
    <message>
        <source>Reverse Mode</source>
        <translation>Mode inverse</translation>
    </message>
    <message>
        <source>Foreign exchange panel</source>
        <translation>Panneau de change étranger</translation>
    </message>
    <message>
        <source>Update Currencies</source>
        <translation>Actualiser les cours</translation>
    </message>
    <message>
        <source>Show Commision Toobar</source>
        <translation>Afficher la barre des commissions</translation>
    </message>
    <message>
        <source>Hide Commission Toobar</source>
        <translation>Masquer la barre des commissions</translation>
    </message>
    <message>
        <source>Show Commission Toobar</source>
        <translation>Afficher la barre des commissions</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>KeypadPanel</name>
    <message>
        <source>Reverse Mode</source>
        <translation>Mode inverse</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>Impression rapide</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>LanguageCommands</name>
    <message>
        <source>The language you chose is shown from the next start of the program.</source>
        <translation>La langue choisie s&apos;affichera au prochain démarrage du programme.</translation>
    </message>
</context>
<context>
    <name>LogCommands</name>
    <message>
        <source>Save Transaction Log</source>
        <translation>Enregistrer le journal des opérations</translation>
    </message>
    <message>
        <source>Transaction Log (*.tlg *.TLG)</source>
        <translation>Journal des opérations (*.tlg *.TLG)</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>Receipt</name>
    <message>
        <source>CUSTOMER COPY</source>
        <translation>COPIE CLIENT</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Tél.:</translation>
    </message>
    <message>
        <source>Fax:</source>
        <translation>Fax:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web:</translation>
    </message>
    <message>
        <source>Draft, P/Cheque, M/Order Details</source>
        <translation>Traite, chèque, mandat</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Local Currency</source>
        <translation>Devise locale</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Taux de change</translation>
    </message>
    <message>
        <source>Converted Currency</source>
        <translation>Devise convertie</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Taxe</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Frais</translation>
    </message>
    <message>
        <source>TOTAL AMOUNT</source>
        <translation>MONTANT TOTAL</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Achat</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Vente</translation>
    </message>
    <message>
        <source>Base Rate</source>
        <translation>Taux de base</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Traveller&apos;s Cheques</source>
        <translation>Chèques de voyage</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Transaction Log Date: %1 Time:%2</source>
        <translation>Journal des opérations Date: %1 Heure:%2</translation>
    </message>
</context>
<context>
    <name>TAccountForm</name>
    <message>
        <source>Set Accounting Export File</source>
        <translation>Fichier d&apos;export comptable</translation>
    </message>
    <message>
        <source>Use Account Export File</source>
        <translation>Utiliser le fichier comptable</translation>
    </message>
    <message>
        <source>File Path/Directory</source>
        <translation>Chemin/Dossier</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Sélectionner</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Error: Unable to Select Directory</source>
        <translation>Erreur : impossible de choisir le dossier</translation>
    </message>
    <message>
        <source>Select a Startup Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Error: Unable to Open to select signature file</source>
        <translation>Erreur : impossible d&apos;ouvrir le fichier à choisir</translation>
    </message>
    <message>
        <source>Error: Unable to create new signature file</source>
        <translation>Erreur : impossible de créer le nouveau fichier</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Choose the folder of the account file.</source>
        <translation>Le dossier %1 n&apos;existe pas. Choisissez le dossier du fichier comptable.</translation>
    </message>
</context>
<context>
    <name>TAddCurrency</name>
    <message>
        <source>User Defined Currency</source>
        <translation>Devise personnalisée</translation>
    </message>
    <message>
        <source>&amp;Country Name:</source>
        <translation>&amp;Nom du pays:</translation>
    </message>
    <message>
        <source>&amp;Use existing currency</source>
        <translation>&amp;Utiliser devise existante</translation>
    </message>
    <message>
        <source>&amp;Pseudo 3 character ISO code</source>
        <translation>Code ISO &amp;fictif (3 lettres)</translation>
    </message>
    <message>
        <source>&amp;Exchange Rate:</source>
        <translation>&amp;Taux de change:</translation>
    </message>
    <message>
        <source>&amp;Denomination e.g. Dollars</source>
        <translation>&amp;Dénomination, ex. Dollars</translation>
    </message>
    <message>
        <source>No currency code chosen.</source>
        <translation>Aucun code de devise choisi.</translation>
    </message>
</context>
<context>
    <name>TCurrencyEditor</name>
    <message>
        <source>No Currency has been selected.</source>
        <translation>Aucune devise n&apos;est sélectionnée.</translation>
    </message>
    <message>
        <source>Can only delete from User Defined currencies</source>
        <translation>Seules les devises personnalisées peuvent être supprimées</translation>
    </message>
    <message>
        <source>Currency Changer</source>
        <translation>Modifier les devises</translation>
    </message>
    <message>
        <source>Unable to load dll - TCE</source>
        <translation>Impossible de charger la DLL - TCE</translation>
    </message>
    <message>
        <source>Add New Currency</source>
        <translation>Nouvelle devise</translation>
    </message>
    <message>
        <source>Edit Currency</source>
        <translation>Modifier la devise</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete Currency</source>
        <translation>Supprimer la devise</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>All currencies are relative to the USD</source>
        <translation>Tous les cours sont relatifs à l&apos;USD</translation>
    </message>
    <message>
        <source>Expand Tree View</source>
        <translation>Déplier l&apos;arborescence</translation>
    </message>
    <message>
        <source>Disable Currency Update Button</source>
        <translation>Désactiver la mise à jour des cours</translation>
    </message>
</context>
<context>
    <name>TCurrencyForm</name>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Traveller&apos;s Cheque</source>
        <translation>Chèque de voyage</translation>
    </message>
    <message>
        <source>Commission Setup</source>
        <translation>Réglage des commissions</translation>
    </message>
    <message>
        <source>Load Defaults</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Clear Settings</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Local Currency</source>
        <translation>Devise locale</translation>
    </message>
    <message>
        <source>Retail</source>
        <translation>Détail</translation>
    </message>
    <message>
        <source> Cash </source>
        <translation> Espèces </translation>
    </message>
    <message>
        <source> Credit Card </source>
        <translation> Carte de crédit </translation>
    </message>
    <message>
        <source> Traveller&apos;s Cheque </source>
        <translation> Chèque de voyage </translation>
    </message>
    <message>
        <source>Sell(%)</source>
        <translation>Vente(%)</translation>
    </message>
    <message>
        <source>Buy(%)</source>
        <translation>Achat(%)</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Sell Min. </source>
        <translation>Vente min. </translation>
    </message>
    <message>
        <source>Buy Min. </source>
        <translation>Achat min. </translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Commission</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Taxe</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>Error: Unable to Load Currency Values from Registry</source>
        <translation>Erreur : impossible de lire les valeurs des devises dans les réglages</translation>
    </message>
    <message>
        <source>Error: Unable to Write Currency Values to Registry</source>
        <translation>Erreur : impossible d&apos;écrire les valeurs des devises dans les réglages</translation>
    </message>
</context>
<context>
    <name>TCurrencySelector</name>
    <message>
        <source>Currency Selector</source>
        <translation>Choix des devises</translation>
    </message>
    <message>
        <source>Left Click Drag your choice of country</source>
        <translation>Faites glisser le pays choisi</translation>
    </message>
    <message>
        <source>onto an exchange panel or button.</source>
        <translation>sur un panneau de change ou un bouton.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Error: Unable to Execute Browser Launch</source>
        <translation>Erreur : impossible de lancer le navigateur</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vue</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Cl&amp;ear Folders</source>
        <translation>&amp;Vider les onglets</translation>
    </message>
    <message>
        <source>&amp;Load Default Folders</source>
        <translation>&amp;Charger les onglets par défaut</translation>
    </message>
    <message>
        <source>Lan&amp;guage (next start)</source>
        <translation>Lan&amp;gue (prochain démarrage)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>Ou&amp;tils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>Load &amp;Defaults</source>
        <translation>&amp;Charger par défaut</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Vemox Help</source>
        <translation>Aide de Vemox</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Les pages d&apos;aide sont en anglais.</translation>
    </message>
</context>
<context>
    <name>TPrintGo</name>
    <message>
        <source>Print/Accounts</source>
        <translation>Impression/Comptes</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Add to Account File</source>
        <translation>Ajouter au fichier comptable</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>Ne plus afficher ce dialogue</translation>
    </message>
</context>
<context>
    <name>TPrintOptions</name>
    <message>
        <source>Title:</source>
        <translation>Titre:</translation>
    </message>
    <message>
        <source>Company Name: </source>
        <translation>Société: </translation>
    </message>
    <message>
        <source>Street&amp;1:</source>
        <translation>Rue &amp;1:</translation>
    </message>
    <message>
        <source>Street&amp;2:</source>
        <translation>Rue &amp;2:</translation>
    </message>
    <message>
        <source>&amp;City:</source>
        <translation>&amp;Ville:</translation>
    </message>
    <message>
        <source>&amp;State:</source>
        <translation>&amp;Région:</translation>
    </message>
    <message>
        <source>&amp;Zip:</source>
        <translation>Code &amp;postal:</translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation>Pa&amp;ys:</translation>
    </message>
    <message>
        <source>&amp;Email:</source>
        <translation>&amp;E-mail:</translation>
    </message>
    <message>
        <source>&amp;Phone: </source>
        <translation>&amp;Téléphone: </translation>
    </message>
    <message>
        <source>&amp;Fax: </source>
        <translation>&amp;Fax: </translation>
    </message>
    <message>
        <source>&amp;Web Page:</source>
        <translation>Site &amp;Web:</translation>
    </message>
    <message>
        <source>&amp;User Info:</source>
        <translation>&amp;Info utilisateur:</translation>
    </message>
    <message>
        <source>Branch Name:</source>
        <translation>Agence:</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Options d&apos;impression</translation>
    </message>
    <message>
        <source>Title/Name</source>
        <translation>Titre/Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Include Title</source>
        <translation>Imprimer le titre</translation>
    </message>
    <message>
        <source>Include Name</source>
        <translation>Imprimer le nom</translation>
    </message>
    <message>
        <source>Include Todays Date</source>
        <translation>Imprimer la date du jour</translation>
    </message>
    <message>
        <source>Print Type</source>
        <translation>Type d&apos;impression</translation>
    </message>
    <message>
        <source>40 Column Printer</source>
        <translation>Imprimante 40 colonnes</translation>
    </message>
    <message>
        <source>80 Column Printer</source>
        <translation>Imprimante 80 colonnes</translation>
    </message>
    <message>
        <source>Include Address Information</source>
        <translation>Imprimer l&apos;adresse</translation>
    </message>
    <message>
        <source>Error: Unable to write Banner data to registry</source>
        <translation>Erreur : impossible d&apos;écrire l&apos;en-tête dans les réglages</translation>
    </message>
</context>
<context>
    <name>TQuickReportViewer</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Page ? of ?</source>
        <translation>Page ? sur ?</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Fit to screen</source>
        <translation>Ajuster à l&apos;écran</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Pleine largeur</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Page pré&amp;cédente</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Fir&amp;st Page</source>
        <translation>&amp;Première page</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>&amp;Last Page</source>
        <translation>&amp;Dernière page</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Page &amp;suivante</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Fit to Screen</source>
        <translation>&amp;Ajuster à l&apos;écran</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>Ajuster à la &amp;largeur</translation>
    </message>
    <message>
        <source>Open a Report</source>
        <translation>Ouvrir un rapport</translation>
    </message>
    <message>
        <source>Save Details</source>
        <translation>Enregistrer le rapport</translation>
    </message>
</context>
<context>
    <name>TTransLog</name>
    <message>
        <source>Transaction Log</source>
        <translation>Journal des opérations</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>ActionPrint</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
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
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>TabCommands</name>
    <message>
        <source>This will delete current settings!</source>
        <translation>Les réglages actuels seront effacés !</translation>
    </message>
    <message>
        <source>Load Defaults</source>
        <translation>Charger les valeurs par défaut</translation>
    </message>
    <message>
        <source>Change Tab Name</source>
        <translation>Renommer l&apos;onglet</translation>
    </message>
    <message>
        <source>Enter the new Tab Name</source>
        <translation>Entrez le nouveau nom de l&apos;onglet</translation>
    </message>
</context>
<context>
    <name>Tdateform</name>
    <message>
        <source>Date Format</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Currency Format </source>
        <translation>Format des nombres </translation>
    </message>
    <message>
        <source>, Thousands . decimal</source>
        <translation>, milliers . décimal</translation>
    </message>
    <message>
        <source>. Thousands , decimal</source>
        <translation>. milliers , décimal</translation>
    </message>
    <message>
        <source>Number of Decimal places:</source>
        <translation>Décimales:</translation>
    </message>
    <message>
        <source>Date Format </source>
        <translation>Format de date </translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Complet</translation>
    </message>
</context>
<context>
    <name>Tproxyform</name>
    <message>
        <source>Firewall Settings</source>
        <translation>Réglages du pare-feu</translation>
    </message>
    <message>
        <source>&amp;Use Firewall</source>
        <translation>&amp;Utiliser le pare-feu</translation>
    </message>
    <message>
        <source>&amp;Proxy Address:</source>
        <translation>Adresse &amp;proxy:</translation>
    </message>
    <message>
        <source>U&amp;ser ID:</source>
        <translation>&amp;Identifiant:</translation>
    </message>
    <message>
        <source>&amp;Pwd:</source>
        <translation>&amp;Mot de passe:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>Incorrect Server or Port settings</source>
        <translation>Serveur ou port incorrect</translation>
    </message>
</context>
<context>
    <name>Vemox</name>
    <message>
        <source>The file path %1no longer exists. Check your directory settings.
Append to Accounts aborted.</source>
        <translation>Le chemin %1n&apos;existe plus. Vérifiez les réglages du dossier.
Ajout aux comptes annulé.</translation>
    </message>
    <message>
        <source>Open Account File</source>
        <translation>Ouvrir le fichier comptable</translation>
    </message>
    <message>
        <source>ZYM Account File (*.afe *.AFE)</source>
        <translation>Fichier comptable ZYM (*.afe *.AFE)</translation>
    </message>
    <message>
        <source>File does not exist. Create new file?</source>
        <translation>Le fichier n&apos;existe pas. Créer un nouveau fichier ?</translation>
    </message>
    <message>
        <source>Create New Account File</source>
        <translation>Créer un fichier comptable</translation>
    </message>
    <message>
        <source>Enter Account File Name:</source>
        <translation>Nom du fichier comptable:</translation>
    </message>
    <message>
        <source>A file name cannot name a folder: </source>
        <translation>Un nom de fichier ne peut pas désigner un dossier: </translation>
    </message>
    <message>
        <source>
The transaction was not added to the account file; it is kept and can be exported again.</source>
        <translation>
L&apos;opération n&apos;a pas été ajoutée au fichier comptable; elle est conservée et peut être exportée à nouveau.</translation>
    </message>
    <message>
        <source>Unable to create file. Check disk is not full.</source>
        <translation>Impossible de créer le fichier. Vérifiez que le disque n&apos;est pas plein.</translation>
    </message>
    <message>
        <source>No Transaction to Save to File.</source>
        <translation>Aucune opération à enregistrer.</translation>
    </message>
    <message>
        <source>Added to Accounts</source>
        <translation>Ajouté aux comptes</translation>
    </message>
    <message>
        <source>Account File is Undefined</source>
        <translation>Fichier comptable non défini</translation>
    </message>
    <message>
        <source>No currency data loaded!</source>
        <translation>Aucun cours chargé !</translation>
    </message>
    <message>
        <source>No rates: the data file names only the update servers</source>
        <translation>Aucun cours: le fichier ne nomme que les serveurs de mise à jour</translation>
    </message>
    <message>
        <source>an unstated date</source>
        <translation>une date non précisée</translation>
    </message>
    <message>
        <source>Rates of %1</source>
        <translation>Cours du %1</translation>
    </message>
    <message>
        <source>Last update: </source>
        <translation>Mis à jour: </translation>
    </message>
    <message>
        <source>No data uploaded! Server may be down or busy.
Please try again later</source>
        <translation>Aucune donnée reçue ! Le serveur est peut-être arrêté ou occupé.
Veuillez réessayer plus tard</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>There is no rollback copy for this session: it could not be made at start (%1)</source>
        <translation>Il n&apos;y a pas de copie de secours pour cette session: elle n&apos;a pas pu être faite au démarrage (%1)</translation>
    </message>
    <message>
        <source>Missing Rollback data file</source>
        <translation>Fichier de secours manquant</translation>
    </message>
    <message>
        <source>Rollback complete!</source>
        <translation>Retour arrière terminé !</translation>
    </message>
    <message>
        <source>the rates the program started with</source>
        <translation>les cours du démarrage</translation>
    </message>
    <message>
        <source>Country Name</source>
        <translation>nom du pays</translation>
    </message>
    <message>
        <source>Denomination</source>
        <translation>dénomination</translation>
    </message>
    <message>
        <source>No Country Name given.</source>
        <translation>Aucun nom de pays indiqué.</translation>
    </message>
    <message>
        <source>This country name already exists.</source>
        <translation>Ce nom de pays existe déjà.</translation>
    </message>
    <message>
        <source>Must be your own Unique psuedo ISO value
and not one in use by a given country.</source>
        <translation>Il faut un code ISO fictif unique et personnel,
et non un code utilisé par un pays.</translation>
    </message>
    <message>
        <source>Cannot create a new currency with 0.0 values</source>
        <translation>Impossible de créer une devise de valeur 0.0</translation>
    </message>
    <message>
        <source>No Country Denomination given.</source>
        <translation>Aucune dénomination indiquée.</translation>
    </message>
    <message>
        <source>The pseudo ISO code must be three letters.</source>
        <translation>Le code ISO fictif doit comporter trois lettres.</translation>
    </message>
    <message>
        <source>The %1 cannot hold a line break, &quot;&lt;&quot; or &quot;&gt;&quot;, or a character outside Western European letters:
the currency file could not be read back.</source>
        <translation>Le champ %1 ne peut contenir ni saut de ligne, ni &quot;&lt;&quot; ou &quot;&gt;&quot;, ni caractère hors des lettres d&apos;Europe de l&apos;Ouest:
le fichier des devises ne pourrait plus être relu.</translation>
    </message>
    <message>
        <source> Error: Unable to complete iso/currency name set up</source>
        <translation> Erreur : impossible de reprendre le code ISO et le nom de la devise</translation>
    </message>
    <message>
        <source>UserDefined.dat was not read when the currency data was loaded.
It is kept as it is: user-defined currencies cannot be added or deleted until it loads.</source>
        <translation>UserDefined.dat n&apos;a pas été lu au chargement des cours.
Il est conservé tel quel: les devises personnalisées ne peuvent être ajoutées ou supprimées qu&apos;après son chargement.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Vemox report</source>
        <translation>Rapport Vemox</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>Séparé par des virgules</translation>
    </message>
    <message>
        <source>The file extension given does not match the format selected.</source>
        <translation>L&apos;extension du fichier ne correspond pas au format choisi.</translation>
    </message>
    <message>
        <source>Wrong file extension</source>
        <translation>Extension incorrecte</translation>
    </message>
    <message>
        <source>The file %1 is not a Vemox report file</source>
        <translation>Le fichier %1 n&apos;est pas un rapport Vemox</translation>
    </message>
    <message>
        <source>The report file %1 was saved by a later version of Vemox (format %2); this version reads format %3 and earlier</source>
        <translation>Le rapport %1 a été enregistré par une version plus récente de Vemox (format %2); cette version lit le format %3 et les précédents</translation>
    </message>
    <message>
        <source>The report file %1 is damaged or incomplete</source>
        <translation>Le rapport %1 est endommagé ou incomplet</translation>
    </message>
    <message>
        <source>No printer is installed, so the report cannot be printed.
Save it as a PDF file instead?</source>
        <translation>Aucune imprimante n&apos;est installée, le rapport ne peut pas être imprimé.
L&apos;enregistrer plutôt en PDF ?</translation>
    </message>
    <message>
        <source>The report could not be printed on the printer &quot;%1&quot;.
Save it as a PDF file instead?</source>
        <translation>Le rapport n&apos;a pas pu être imprimé sur l&apos;imprimante &quot;%1&quot;.
L&apos;enregistrer plutôt en PDF ?</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>Printed on &quot;%1&quot;</source>
        <translation>Imprimé sur &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Fichier PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Branch</source>
        <translation>Agence</translation>
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
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>%1 is larger than 40 characters long. Truncation will apply.</source>
        <translation>%1 dépasse 40 caractères et sera tronqué.</translation>
    </message>
    <message>
        <source>Help topic &apos;%1&apos; does not exist</source>
        <translation>La rubrique d&apos;aide &apos;%1&apos; n&apos;existe pas</translation>
    </message>
    <message>
        <source>The help file %1 is missing</source>
        <translation>Le fichier d&apos;aide %1 est absent</translation>
    </message>
    <message>
        <source>Help topic &apos;%1&apos; is not in the help file (%2 is missing)</source>
        <translation>La rubrique d&apos;aide &apos;%1&apos; est absente de l&apos;aide (%2 manque)</translation>
    </message>
    <message>
        <source>The picture&apos;s pixels do not fill %1 x %2</source>
        <translation>Les pixels de l&apos;image ne remplissent pas %1 x %2</translation>
    </message>
    <message>
        <source>No memory for a %1 x %2 picture</source>
        <translation>Pas assez de mémoire pour une image de %1 x %2</translation>
    </message>
    <message>
        <source>No currency data. Upload from the Web.</source>
        <translation>Aucun cours. Mettez à jour depuis le Web.</translation>
    </message>
    <message>
        <source>No Currency Data Loaded or no currency has been defined.
Upload now?</source>
        <translation>Aucun cours chargé ou aucune devise définie.
Mettre à jour maintenant ?</translation>
    </message>
    <message>
        <source>There is still no rate for %1. Nothing was converted.</source>
        <translation>Il n&apos;y a toujours pas de cours pour %1. Rien n&apos;a été converti.</translation>
    </message>
    <message>
        <source>No currency to convert from has been chosen.</source>
        <translation>Aucune devise de départ n&apos;a été choisie.</translation>
    </message>
    <message>
        <source>%1 is not in the currency table, so it has no rate.</source>
        <translation>%1 ne figure pas dans la table des devises et n&apos;a donc pas de cours.</translation>
    </message>
    <message>
        <source> Nothing was converted.</source>
        <translation> Rien n&apos;a été converti.</translation>
    </message>
    <message>
        <source>Awaiting update!</source>
        <translation>À mettre à jour !</translation>
    </message>
    <message>
        <source>Error E72: Error writing to registry</source>
        <translation>Erreur E72 : erreur d&apos;écriture des réglages</translation>
    </message>
    <message>
        <source>No rate</source>
        <translation>Pas de cours</translation>
    </message>
    <message>
        <source>1 USD = %1 %2</source>
        <translation>1 USD = %1 %2</translation>
    </message>
    <message>
        <source>, as of </source>
        <translation>, au </translation>
    </message>
    <message>
        <source>Todays date: </source>
        <translation>Aujourd&apos;hui: </translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>Currency button</source>
        <translation>Bouton de devise</translation>
    </message>
    <message>
        <source>Tab caption %1</source>
        <translation>Nom de l&apos;onglet %1</translation>
    </message>
    <message>
        <source>Error: Unable to load resource dll - rgx</source>
        <translation>Erreur : impossible de charger la DLL de ressources - rgx</translation>
    </message>
    <message>
        <source>Error: Unable To Load Buttons</source>
        <translation>Erreur : impossible de charger les boutons</translation>
    </message>
    <message>
        <source>Cannot Load Global List</source>
        <translation>Impossible de charger la liste globale</translation>
    </message>
    <message>
        <source>Bad Selection Error:</source>
        <translation>Erreur de sélection:</translation>
    </message>
    <message>
        <source>Error on Location: %1</source>
        <translation>Erreur de région: %1</translation>
    </message>
    <message>
        <source>Error: Unable to initialise Currency Changer</source>
        <translation>Erreur : impossible d&apos;initialiser la modification des devises</translation>
    </message>
    <message>
        <source>This Country has no defined currency value.
It cannot be dragged onto an exchange pane
or button.</source>
        <translation>Ce pays n&apos;a pas de cours défini.
Il ne peut pas être glissé sur un panneau de change
ni sur un bouton.</translation>
    </message>
    <message>
        <source>The currency data file %1 is empty</source>
        <translation>Le fichier des cours %1 est vide</translation>
    </message>
    <message>
        <source>The currency data file %1 is incomplete: it holds %2 of the at least 3 lines it needs</source>
        <translation>Le fichier des cours %1 est incomplet: il contient %2 des 3 lignes au moins qu&apos;il lui faut</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid rate: a rate is a number above zero</source>
        <translation>&apos;%1&apos; n&apos;est pas un cours valide: un cours est un nombre supérieur à zéro</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid rate: it is too small to convert with</source>
        <translation>&apos;%1&apos; n&apos;est pas un cours valide: il est trop petit pour convertir</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2: %3</translation>
    </message>
    <message>
        <source>Error: Unable to read resource library</source>
        <translation>Erreur : impossible de lire la bibliothèque de ressources</translation>
    </message>
    <message>
        <source>Error: Unable to read from resource library</source>
        <translation>Erreur : impossible de lire dans la bibliothèque de ressources</translation>
    </message>
    <message>
        <source>Error E100: Error Loading currency data</source>
        <translation>Erreur E100 : erreur de chargement des cours</translation>
    </message>
    <message>
        <source>Server Error: Please Re-load page</source>
        <translation>Erreur du serveur : veuillez recharger la page</translation>
    </message>
    <message>
        <source>Problems updating from Server - Try again later</source>
        <translation>Problèmes de mise à jour depuis le serveur - Réessayez plus tard</translation>
    </message>
    <message>
        <source>%1 has %2 more lines that cannot be used.</source>
        <translation>%1 a %2 lignes de plus qui ne peuvent pas être utilisées.</translation>
    </message>
    <message>
        <source>the country name &apos;%1&apos; is taken by an earlier currency, so this one cannot be used</source>
        <translation>le nom de pays &apos;%1&apos; est déjà pris par une devise précédente, celle-ci ne peut donc pas être utilisée</translation>
    </message>
    <message>
        <source>Error: Malformed cgi script. Possible Host Server 404 error.</source>
        <translation>Erreur : script CGI mal formé. Erreur 404 possible du serveur hôte.</translation>
    </message>
    <message>
        <source>Error: Missing Currency.dat file</source>
        <translation>Erreur : fichier Currency.dat manquant</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Warning: More than 20 country currencies are missing data. One of the Exchange Servers could be down. Download again or try again later.</source>
        <translation>Attention : plus de 20 devises de pays n&apos;ont pas de données. Un des serveurs de change est peut-être arrêté. Téléchargez à nouveau ou réessayez plus tard.</translation>
    </message>
    <message>
        <source>Received %1KB</source>
        <translation>%1 Ko reçus</translation>
    </message>
    <message>
        <source>Received %1KB of %2KB</source>
        <translation>%1 Ko reçus sur %2 Ko</translation>
    </message>
    <message>
        <source>Error transferring %1 - server replied: %2 %3</source>
        <translation>Erreur de transfert de %1 - le serveur a répondu : %2 %3</translation>
    </message>
    <message>
        <source>%1: the transfer was cut off after %2 of %3 bytes</source>
        <translation>%1: le transfert a été interrompu après %2 octets sur %3</translation>
    </message>
    <message>
        <source>%1: the transfer was cut off after %2 bytes</source>
        <translation>%1: le transfert a été interrompu après %2 octets</translation>
    </message>
    <message>
        <source>Proxy %1:%2 refused the connection</source>
        <translation>Le proxy %1:%2 a refusé la connexion</translation>
    </message>
    <message>
        <source>Proxy %1:%2 was not found</source>
        <translation>Le proxy %1:%2 est introuvable</translation>
    </message>
    <message>
        <source>Proxy %1:%2 closed the connection before the reply</source>
        <translation>Le proxy %1:%2 a fermé la connexion avant la réponse</translation>
    </message>
    <message>
        <source>Proxy %1:%2 did not answer in time</source>
        <translation>Le proxy %1:%2 n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>Proxy %1:%2: %3</source>
        <translation>Proxy %1:%2: %3</translation>
    </message>
    <message>
        <source>Error: The server&apos;s reply is larger than %1 MB and was refused. Nothing was changed</source>
        <translation>Erreur : la réponse du serveur dépasse %1 Mo et a été refusée. Rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>Connection Established</source>
        <translation>Connexion établie</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement...</translation>
    </message>
    <message>
        <source>Timed out: the transfer took longer than %1 seconds and was ended</source>
        <translation>Délai dépassé: le transfert a duré plus de %1 secondes et a été arrêté</translation>
    </message>
    <message>
        <source>Read timed out: the server sent nothing for %1 seconds</source>
        <translation>Délai de lecture dépassé: le serveur n&apos;a rien envoyé pendant %1 secondes</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The file %1 is not a regular file and was not read</source>
        <translation>Le fichier %1 n&apos;est pas un fichier ordinaire et n&apos;a pas été lu</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 and was not read</source>
        <translation>Le fichier %1 dépasse %2 et n&apos;a pas été lu</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Impossible de lire le fichier %1: %2</translation>
    </message>
    <message>
        <source>Unknown Find EXE error</source>
        <translation>Erreur inconnue de recherche de l&apos;EXE</translation>
    </message>
    <message>
        <source>Unable to delete %1</source>
        <translation>Impossible de supprimer %1</translation>
    </message>
    <message>
        <source>Bad path name - FE</source>
        <translation>Chemin incorrect - FE</translation>
    </message>
    <message>
        <source>The file %1 could not be found</source>
        <translation>Le fichier %1 est introuvable</translation>
    </message>
    <message>
        <source>No File association found for the file type - %1</source>
        <translation>Aucune association de fichier pour le type - %1</translation>
    </message>
    <message>
        <source>Not a valid exe or image file</source>
        <translation>Fichier exécutable ou image non valide</translation>
    </message>
    <message>
        <source>Unable to locate file association %1</source>
        <translation>Association de fichier %1 introuvable</translation>
    </message>
    <message>
        <source>The list is saved only under a plain file name: &quot;%1&quot;</source>
        <translation>La liste n&apos;est enregistrée que sous un simple nom de fichier: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The path is too long: %1</source>
        <translation>Le chemin est trop long: %1</translation>
    </message>
    <message>
        <source>Files are deleted only in a folder given by its full path: &quot;%1&quot;</source>
        <translation>Les fichiers ne sont supprimés que dans un dossier donné par son chemin complet: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The folder %1 does not exist</source>
        <translation>Le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>The root folder and the home folder are never emptied: &quot;%1&quot;</source>
        <translation>Le dossier racine et le dossier personnel ne sont jamais vidés: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Impossible de créer le fichier %1: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier %1: %2</translation>
    </message>
    <message>
        <source>%1; the part written could not be taken back: %2</source>
        <translation>%1; la partie écrite n&apos;a pas pu être annulée: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>… (%1 more lines)</source>
        <translation>… (%1 lignes de plus)</translation>
    </message>
    <message>
        <source>Error: Unable to read Proxy Address from Registry</source>
        <translation>Erreur : impossible de lire l&apos;adresse du proxy dans les réglages</translation>
    </message>
    <message>
        <source>Error: Unable to read Proxy Userid from Registry</source>
        <translation>Erreur : impossible de lire l&apos;identifiant du proxy dans les réglages</translation>
    </message>
    <message>
        <source>Error: Unable to read Proxy User Password from Registry</source>
        <translation>Erreur : impossible de lire le mot de passe du proxy dans les réglages</translation>
    </message>
    <message>
        <source>Error: Unable to read Proxy Port Number from Registry</source>
        <translation>Erreur : impossible de lire le numéro de port du proxy dans les réglages</translation>
    </message>
    <message>
        <source>The proxy address %1 names the scheme %2: only an HTTP proxy can be used, so leave the scheme out or write http://</source>
        <translation>L&apos;adresse du proxy %1 indique le schéma %2: seul un proxy HTTP est utilisable, omettez donc le schéma ou écrivez http://</translation>
    </message>
    <message>
        <source>The proxy address %1 holds a path: give the proxy&apos;s host name alone</source>
        <translation>L&apos;adresse du proxy %1 contient un chemin: indiquez seulement le nom d&apos;hôte du proxy</translation>
    </message>
    <message>
        <source>The proxy address %1 ends in a port that is not a port number</source>
        <translation>L&apos;adresse du proxy %1 se termine par un port qui n&apos;est pas un numéro de port</translation>
    </message>
    <message>
        <source>The proxy address %1 names port %2, but the port field holds %3: give the port in one place</source>
        <translation>L&apos;adresse du proxy %1 indique le port %2, mais le champ du port contient %3: indiquez le port à un seul endroit</translation>
    </message>
    <message>
        <source>The proxy address %1 names no host</source>
        <translation>L&apos;adresse du proxy %1 n&apos;indique aucun hôte</translation>
    </message>
    <message>
        <source>The proxy port %1 is not a port number</source>
        <translation>Le port du proxy %1 n&apos;est pas un numéro de port</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1: %2. The program goes on, but the settings changed now will be lost when it closes</source>
        <translation>Les réglages ne peuvent pas être enregistrés dans %1: %2. Le programme continue, mais les réglages modifiés maintenant seront perdus à sa fermeture</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1: %2</source>
        <translation>Les réglages ne peuvent pas être enregistrés dans %1: %2</translation>
    </message>
    <message>
        <source>Error: Out of memory</source>
        <translation>Erreur : mémoire insuffisante</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>le fichier ne peut pas être écrit</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>il ne peut pas être ouvert: %1</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>il ne peut pas être lu: %1</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2). It has been moved to %3 and the program goes on with its default settings.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être lu (%2). Il a été déplacé vers %3 et le programme continue avec ses réglages par défaut.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2), and it could not be moved to %3 (%4). The program goes on with its default settings and will not save settings until the file is repaired or removed.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être lu (%2), ni déplacé vers %3 (%4). Le programme continue avec ses réglages par défaut et n&apos;enregistrera aucun réglage tant que le fichier ne sera pas réparé ou supprimé.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made (%2)</source>
        <translation>le dossier %1 ne peut pas être créé (%2)</translation>
    </message>
    <message>
        <source>another program kept %1 locked</source>
        <translation>un autre programme a gardé %1 verrouillé</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made (%2)</source>
        <translation>le fichier de verrou %1 ne peut pas être créé (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2)</source>
        <translation>%1 ne peut pas être créé (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>the first line is not REGEDIT4</source>
        <translation>la première ligne n&apos;est pas REGEDIT4</translation>
    </message>
    <message>
        <source>unexpected text</source>
        <translation>texte inattendu</translation>
    </message>
    <message>
        <source>a value outside a key</source>
        <translation>une valeur hors d&apos;une clé</translation>
    </message>
    <message>
        <source>a key line without its closing bracket</source>
        <translation>une ligne de clé sans son crochet fermant</translation>
    </message>
    <message>
        <source>a key outside HKEY_CURRENT_USER</source>
        <translation>une clé hors de HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>an invalid key name</source>
        <translation>un nom de clé non valide</translation>
    </message>
    <message>
        <source>unterminated quoted text</source>
        <translation>un texte entre guillemets non terminé</translation>
    </message>
    <message>
        <source>a value name longer than %1 characters</source>
        <translation>un nom de valeur de plus de %1 caractères</translation>
    </message>
    <message>
        <source>a value without &quot;=&quot;</source>
        <translation>une valeur sans &quot;=&quot;</translation>
    </message>
    <message>
        <source>text after a string</source>
        <translation>du texte après une chaîne</translation>
    </message>
    <message>
        <source>a dword without 8 hex digits</source>
        <translation>un dword sans 8 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>an invalid hex(N) type</source>
        <translation>un type hex(N) non valide</translation>
    </message>
    <message>
        <source>an unknown value type</source>
        <translation>un type de valeur inconnu</translation>
    </message>
    <message>
        <source>a value removal line</source>
        <translation>une ligne de suppression de valeur</translation>
    </message>
    <message>
        <source>a hex byte without 2 digits</source>
        <translation>un octet hexadécimal sans 2 chiffres</translation>
    </message>
    <message>
        <source>a hex list ending in a comma</source>
        <translation>une liste hexadécimale finissant par une virgule</translation>
    </message>
    <message>
        <source>a value too large</source>
        <translation>une valeur trop grande</translation>
    </message>
    <message>
        <source>the file ends inside a hex list</source>
        <translation>le fichier se termine dans une liste hexadécimale</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1: %2</translation>
    </message>
    <message>
        <source>The resource library is not loaded</source>
        <translation>La bibliothèque de ressources n&apos;est pas chargée</translation>
    </message>
    <message>
        <source>Resource id %1 is out of range</source>
        <translation>L&apos;identifiant de ressource %1 est hors limites</translation>
    </message>
    <message>
        <source>Resource id %1 is given twice</source>
        <translation>L&apos;identifiant de ressource %1 figure deux fois</translation>
    </message>
    <message>
        <source>Picture %1 has a wrong size</source>
        <translation>L&apos;image %1 n&apos;a pas la bonne taille</translation>
    </message>
    <message>
        <source>The resource library is too large</source>
        <translation>La bibliothèque de ressources est trop grande</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossible de lire %1: %2</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>elle est absente</translation>
    </message>
    <message>
        <source>%1 entry %2</source>
        <translation>%1 (entrée %2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>&apos;%1&apos; n&apos;est pas une heure valide</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Impossible de lire les données de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;écrire les données de &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>ZYMTimePanelComponent</name>
    <message>
        <source>am</source>
        <extracomment>Before noon, on a button 20 pixels wide: two letters at most.</extracomment>
        <translation>am</translation>
    </message>
    <message>
        <source>pm</source>
        <extracomment>After noon, on a button 20 pixels wide: two letters at most.</extracomment>
        <translation>pm</translation>
    </message>
</context>
</TS>
