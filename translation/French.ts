<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>Le fichier %1 n'existe pas</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>Impossible d'ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Impossible d'écrire le fichier %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>Impossible d'enregistrer le fichier %1 : le disque est plein</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>Le fichier %1 est endommagé (ligne %2)</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>Le fichier %1 est endommagé</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>Le fichier %1 est endommagé (ligne %2) : il contient un texte de plus de %3 Kio, plus qu'aucun fichier de paramètres n'en contient</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>Le fichier %1 est endommagé : il dépasse %2 Mio, plus qu'aucun fichier de paramètres</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>son texte n'est pas du XML bien formé</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>il se termine trop tôt, comme si son écriture avait été interrompue</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>il contient une déclaration de type de document, qu'aucun fichier de paramètres de ce programme ne contient</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>il contient des octets NUL, comme des données binaires, et non du texte</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>il contient des octets qui ne sont pas du texte UTF-8</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>ce n'est pas un fichier de paramètres de ce programme</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>il a été écrit par une version plus récente de ce programme</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>il contient un élément que ce programme ne connaît pas, ou un élément imbriqué là où il n'a pas sa place</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>une valeur manque ou ne peut pas être lue</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>une valeur n'est pas un nombre ou sort de sa plage</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>une entrée qui doit être unique apparaît deux fois</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>il contient plus de profils ou de touches avancées que ce programme n'en permet</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>vous n'avez pas les droits sur ce fichier ou son dossier</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>il se trouve sur un disque en lecture seule</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c'est un dossier</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>ce n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>une partie de son chemin n'est pas un dossier</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>la limite de taille de fichier du programme est atteinte</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>le disque signale une erreur d'entrée/sortie</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Impossible de lire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Impossible d'écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>Impossible d'enregistrer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>Le fichier %1 est endommagé (ligne %2) : %3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>Le fichier %1 est endommagé : %2</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Touches normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Touches spéciales</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Fonction :</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Couche par défaut</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Couche FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Éclairage personnalisé</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>Utiliser cet éclairage personnalisé</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>Impossible de renommer l'éclairage personnalisé</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>Le texte est dans le presse-papiers : appuyez sur Ctrl+V pour le coller</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>Impossible d'enregistrer les réglages du clavier</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>Liste des produits</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Bouton de test</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Changer de mode principal</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Niveau de batterie</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Périphérique non connecté</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Liste des périphériques</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personnalisation des touches</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Réglages de l'éclairage</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Réglages de déclenchement</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Touches avancées</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>Le périphérique n'est pas encore prêt</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Le périphérique est hors ligne</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Le périphérique est déjà ouvert</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Veuillez d'abord sélectionner une touche</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Astuce</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Réinitialiser le profil actuel ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Veuillez d'abord passer en mode de calibrage des touches</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibrage de la touche réussi</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibrage de la touche en cours</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Échec du calibrage de la touche</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>Le clavier a été trouvé mais ne peut pas être ouvert.
Débranchez-le puis rebranchez-le, ou rechargez les règles des périphériques :</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>Actions de frappe dynamique</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informations sur le micrologiciel</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>DKeyCalibrationExplainDia</source>
        <translation>DKeyCalibrationExplainDia</translation>
    </message>
    <message>
        <source>1.Explain</source>
        <translation>1.Explication</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Explication</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Explication</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Explication</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Explication</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explication</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>DLightsConfigPage</source>
        <translation>DLightsConfigPage</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosité :</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction :</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Mode d'éclairage</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Toutes couleurs</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Couleur du bas</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>255</source>
        <translation>255</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Éclairage personnalisé</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>Associée</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Enregistrement de macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Délai enregistré</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sans délai</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Délai par défaut</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Aucun enregistrement</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insérer un événement</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insérer après</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insérer avant</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Événement clavier</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Événement souris</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Veuillez saisir une touche</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Saisissez le délai</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>Masquer la liste des appareils</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>Afficher la liste des appareils</translation>
    </message>
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>Le programme s'est arrêté de manière inattendue la dernière fois. Un rapport a été enregistré dans %1</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>La bibliothèque des périphériques n'a pas pu démarrer : aucun clavier ne peut être trouvé.</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Appui léger</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Appui fort</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DSeniorKeyEventListItem</name>
    <message>
        <source>DSeniorKeyEventListItem</source>
        <translation>DSeniorKeyEventListItem</translation>
    </message>
    <message>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>DSeniorKeysPage</source>
        <translation>DSeniorKeysPage</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Touches avancées</translation>
    </message>
    <message>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <source>MT</source>
        <translation>MT</translation>
    </message>
    <message>
        <source>TGL</source>
        <translation>TGL</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>1.0mm</source>
        <translation>1.0mm</translation>
    </message>
    <message>
        <source>2.0mm</source>
        <translation>2.0mm</translation>
    </message>
    <message>
        <source>3.0mm</source>
        <translation>3.0mm</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Maintien</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Appui bref</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Durée de maintien</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Aucune touche avancée</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Touche unique</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>%1ms</source>
        <translation>%1 ms</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>DSeniorKeysRecordExplainDia</source>
        <translation>DSeniorKeysRecordExplainDia</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration; 
When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Avec « Touche unique », il suffit de cliquer sur une touche pour terminer la configuration ; 
Avec « Combinaison de touches », choisissez au moins une touche de modification et une autre touche pour terminer la combinaison, par exemple L_Shift+A ou L_Shift+L_Ctrl+A ;</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>Course de la touche</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image d'arrière-plan</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Lancer l'application au démarrage du système (réduite)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Réduire dans la zone de notification à la fermeture</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Vérifier la mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Logiciel d'application</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>&lt;span style=" font-family:'%3'; font-size:12pt; color:#ff6666;"&gt;&lt;/span&gt;&lt;a href="Company|%1|"&gt;&lt;span style=" font-size:12pt; text-decoration: underline; color:rgb(%2);"&gt;%1&lt;/span&gt;&lt;/a&gt;</source>
        <translation>&lt;span style=" font-family:'%3'; font-size:12pt; color:#ff6666;"&gt;&lt;/span&gt;&lt;a href="Company|%1|"&gt;&lt;span style=" font-size:12pt; text-decoration: underline; color:rgb(%2);"&gt;%1&lt;/span&gt;&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>DStrokeConfigView</source>
        <translation>DStrokeConfigView</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Points de déclenchement des actions DKS</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>DTriggerSettingPage</source>
        <translation>DTriggerSettingPage</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Déclenchement rapide</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Personnalisez la course de déclenchement et la course de réinitialisation selon votre intention d'appuyer sur la touche ou de la relâcher.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilité secondaire</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Vous pouvez régler séparément la course du déclenchement rapide à l'appui (déclenchement) et au relâchement (réinitialisation).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Appui/relâchement</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Appui</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Anti-rebond des touches</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Réinitialiser la sensibilité</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Taux de rapport</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Entrer en mode calibrage</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Démarrer le calibrage</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Suivi de l'intensité</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Taux de rapport</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>Étapes du calibrage des touches</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>À propos de l'échelle de course</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Mettre à jour le micrologiciel</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>DVirtualKeyboardTool</source>
        <translation>DVirtualKeyboardTool</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
</context>
<context>
    <name>MagneticReport</name>
    <message>
        <source>Operate successful</source>
        <translation>Opération réussie</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>Échec de l'opération : le clavier n'est pas connecté</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Le nombre maximal de profils est atteint</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Échec de la création : un profil avec cet index existe déjà, veuillez vérifier</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Échec de la création du profil</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil créé avec succès</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Au moins un profil doit être conservé</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Échec de la suppression du profil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil supprimé avec succès</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Veuillez d'abord choisir le dossier de destination</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Aucun profil n'existe pour cet index</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>Le nom du profil ne peut pas servir de nom de fichier</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil exporté avec succès</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Échec de l'exportation du profil</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Veuillez d'abord choisir le fichier à importer</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Échec de l'importation du profil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil importé avec succès</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Le nom du profil ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Échec de la modification du profil</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil modifié avec succès</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Échec de la réinitialisation du profil actuel</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Profil actuel réinitialisé avec succès</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>La mise en veille de l'éclairage ne peut pas être plus tardive que celle du clavier</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Le délai de mise en veille du clavier est trop court</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Échec du réglage du délai de veille</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>Échec de l'enregistrement du délai de veille</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Le délai de veille a été réglé</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>Profil importé sous le nom « %1 » : le nom « %2 » est déjà pris</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>Le nom du profil n'a pas changé</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Réduire(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Agrandir(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Restaurer(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Quitter(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Réaffecter la touche</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Lancer une application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configuration des touches</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Éclairage du clavier</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Éclairage d'ambiance</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Touches avancées</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosité de l'écran+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosité de l'écran-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Bouton central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Touche sniper</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Changer de fenêtre</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Verrouiller l'ordinateur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trouver</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Verrouiller le clavier</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Verrouiller/déverrouiller Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Verrouiller Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Déverrouiller Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Couche par défaut</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Couche FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Couche FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Niveau de batterie</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Passer en 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Passer en USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Éclairage global</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Éclairage interactif</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tout l'éclairage</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosité +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosité -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Vitesse +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Vitesse -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direction +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direction -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Cycle de direction</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passer en couleurs complètes</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Changer la couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Changer la couleur du bas</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personnalisé 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personnalisé 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Tout éteindre</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Éteindre le rétroéclairage</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Figer le rétroéclairage</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Enregistrement de l'éclairage</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Éteindre l'éclairage latéral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Figer l'éclairage latéral</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Aucun appareil pouvant être mis à jour</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coréen/anglais</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>K14</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>K45</translation>
    </message>
    <message>
        <source>K56</source>
        <translation>K56</translation>
    </message>
    <message>
        <source>K131</source>
        <translation>K131</translation>
    </message>
    <message>
        <source>K132</source>
        <translation>K132</translation>
    </message>
    <message>
        <source>K133</source>
        <translation>K133</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>Impossible de lire la disposition des touches de %1</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>Non réaffectable</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Appui</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>Déclenchement de la touche</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>Éclairage latéral %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image d'arrière-plan</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Lancer l'application au démarrage du système (réduite)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Réduire dans la zone de notification à la fermeture</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Vérifier la mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Paramètre enregistré</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Échec du paramétrage</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Informations sur le micrologiciel</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Réaffecter à quelle touche ?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Saisir les touches ?</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Veuillez choisir le chemin de votre application</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Choisir l'application</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Applications (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Saisissez le texte...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Touches de souris</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Fonction :</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Veuillez d'abord sélectionner une touche</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Opération réussie</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>Échec de l'opération, le profil n'a pas pu être enregistré</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Échec du réglage : le texte est vide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Appui léger</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Appui fort</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Quand le verrouillage Win est actif :</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Désactiver la touche Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Désactiver SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Désactiver ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Désactiver ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Veille de l'éclairage :</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Veille du clavier :</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Réinitialiser le profil actuel</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriétés du clavier</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Empêcher la veille</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>Échec de l'enregistrement des options du verrouillage Win</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>Impossible d'ouvrir les paramètres du clavier du bureau</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Ouvrir un fichier de profil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Fichiers de profil(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Réinitialiser le profil actuel ?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configuration téléchargée avec succès</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Échec du téléchargement de la configuration, veuillez réessayer</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>Téléchargement refusé : %1 touches exécutent des macros, le clavier en contient au plus %2</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>Téléchargement refusé : %1 touches sont liées à des touches avancées, le clavier en contient au plus %2</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Démarrer l'enregistrement</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Arrêter l'enregistrement</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro ajoutée</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro supprimée</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>Le nom de la macro ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nom de la macro modifié</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Veuillez d'abord choisir une position</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Veuillez saisir une touche</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Le nombre maximal d'événements est atteint</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Insertion réussie</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modification réussie</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Veuillez d'abord choisir une macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Enregistrement de la macro vidé</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Veuillez d'abord choisir un dossier</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportée</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Ouvrir un fichier de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Fichiers de macro(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>Échec de l'importation : le fichier est endommagé</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importée</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Enregistrement de la macro démarré</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Enregistrement de la macro arrêté</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Attribuer une macro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Attribuer un profil</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Lecture continue activée/désactivée</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Nombre de lectures</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Nombre de lectures 1,2,3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Mode de lecture</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Lire plusieurs fois</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Lire une fois</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Lire tant que la touche attribuée est enfoncée</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>Aucune macro à attribuer, veuillez d'abord enregistrer une macro</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosité :</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction :</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Toutes couleurs</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Couleur du bas</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Éclairage personnalisé</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Clavier/ambiance</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>L'appareil n'a pas d'éclairage d'ambiance</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vague</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>Le nom de l'éclairage personnalisé ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nom de l'éclairage personnalisé modifié</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiration</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Réactif</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurore</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulation</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillement</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Réponse à la vitesse</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulation auto</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Stries</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feux d'artifice</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rythme musical</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.Entrez d'abord en mode de calibrage des touches ;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.Sélectionnez une touche ;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.Cliquez sur « Démarrer le calibrage » ;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.Appuyez sur la touche sélectionnée ;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.Le résultat du calibrage s'affiche ;</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Réglez la course d'appui nécessaire au déclenchement.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Déclenchement rapide</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensibilité à l'appui et au relâchement</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Réinitialiser la sensibilité</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Taux de rapport</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Mode de calibrage des touches</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Démarrer le calibrage</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Déclenchement</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialisation</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Personnalisez la course de déclenchement et la course de réinitialisation selon votre intention d'appuyer sur la touche ou de la relâcher.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Vous pouvez régler séparément la course du déclenchement rapide à l'appui (déclenchement) et au relâchement (réinitialisation).</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Avec « Touche unique », il suffit de cliquer sur une touche pour terminer la configuration ;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Avec « Combinaison de touches », choisissez au moins une touche de modification et une autre touche pour terminer la combinaison, par exemple L_Shift+A ou L_Shift+L_Ctrl+A ;</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Points de déclenchement des actions DKS</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Touches normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Touches spéciales</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Touche unique</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Maintien</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Appui bref</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Durée de maintien</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Aucune touche avancée</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Le nombre maximal de touches avancées est atteint</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Touche avancée créée</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Touche avancée supprimée</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Mettre à jour le micrologiciel</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Ne débranchez pas l'appareil pendant la mise à jour du micrologiciel !</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Mise à jour réussie</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Échec de la mise à jour</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Nom du produit :</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progression :</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Version actuelle :</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nouvelle version :</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>Menu du profil</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Couleur %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Disperse</source>
        <translation>Disperser</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>Rassembler</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Sens horaire</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Sens antihoraire</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>Réduire dans la zone de notification à la fermeture (aucune zone de notification trouvée)</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>L'image du micrologiciel n'est pas valide pour ce clavier</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>Reconnectez le clavier</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>Copyright © %1. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>Impossible d'enregistrer la macro</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>Le nom de la macro ne peut pas servir de nom de fichier</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>Échec de l'exportation de la macro : impossible d'écrire le fichier %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>Échec de l'importation de la macro : impossible d'ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>Échec de l'importation de la macro : le fichier dépasse %1 Kio</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>Échec de l'importation de la macro : le fichier contient plus de %1 événements</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>Échec de l'importation de la macro : %1 macros sont déjà enregistrées</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>Impossible d'enregistrer la touche avancée</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>Échec de l'enregistrement des réglages d'éclairage</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>Touche %1, point %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>Maintien, comme nouvel appui</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Aucune action</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>Un autre clavier est en mode mise à jour : terminez-la ou débranchez-le, puis réessayez</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Choisir une macro</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>Choisir une touche avancée</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>Veuillez d'abord créer ou choisir une macro</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>Sélecteur de couleur</translation>
    </message>
</context>
<context>
    <name>StoreFileQuestion</name>
    <message>
        <source>Tip</source>
        <translation>Astuce</translation>
    </message>
    <message>
        <source>Move aside and start anew</source>
        <translation>Mettre de côté et recommencer</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Le conserver</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1.
Son contenu ne peut pas être affiché. Conserver le fichier tel quel (la page reste vide) ou le mettre de côté avec la date dans son nom et en commencer un nouveau ?</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>Impossible de mettre de côté le fichier %1</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nom du produit :</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Version actuelle :</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progression :</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nouvelle version :</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>keyColorRgbFrameItem</name>
    <message>
        <source>keyColorRgbFrameItem</source>
        <translation>keyColorRgbFrameItem</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>keySelectFrame</source>
        <translation>keySelectFrame</translation>
    </message>
</context>
<context>
    <name>keyboardImageFrameItem</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>Rythme musical ne peut pas entendre la sortie audio : aucun serveur de son ne répond</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
</context>
</TS>
