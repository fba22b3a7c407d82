<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Zel Mayan Animal Sign icon</source>
        <extracomment>Screen readers only: the program&apos;s icon. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Icône de Zel Mayan Animal Sign</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Two lines in a fixed box.</extracomment>
        <translation>Travaille depuis chez toi&#xa0;: crée ton activité sur Internet et gagne de l’argent en ligne. Obtiens ce logiciel aux couleurs de ton site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <extracomment>One line; grows to the right up to the window&apos;s edge.</extracomment>
        <translation>Clique pour en savoir plus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>A link of one line, at most 277 pixels wide with the site&apos;s address (%1).</extracomment>
        <translation>Visite %1</translation>
    </message>
    <message>
        <source>About Zel Mayan Animal Sign</source>
        <extracomment>Screen readers only: the About window&apos;s name.</extracomment>
        <translation>À propos de Zel Mayan Animal Sign</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Find your Mayan animal moon sign from your name and birth date</source>
        <translation>Découvre ton signe animal lunaire maya d’après ton nom et ta date de naissance</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>A saved reading (.zod) to open.</source>
        <translation>Résultat enregistré (.zod) à ouvrir.</translation>
    </message>
    <message>
        <source>Only one saved reading can be opened at a time.</source>
        <translation>On ne peut ouvrir qu’un résultat enregistré à la fois.</translation>
    </message>
</context>
<context>
    <name>ExitAppealWindow</name>
    <message>
        <source>Zel Mayan Animal Sign icon</source>
        <extracomment>Screen readers only: the program&apos;s icon. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Icône de Zel Mayan Animal Sign</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <extracomment>&quot;Velmora Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>Télécharge nos logiciels</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <extracomment>One line, 239 pixels wide. &quot;Velmora Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>Visite Velmora Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommande-nous à un ami</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ton message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de ton ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de ton ami</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ton adresse e-mail</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recommander à un ami</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ton nom</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>A check box that works as a link; %1 is the site&apos;s address.</extracomment>
        <translation>Clique ici et visite %1 maintenant</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>Shown when a space is typed into an address box.</extracomment>
        <translation>L’adresse e-mail ne peut pas contenir d’espace.</translation>
    </message>
    <message>
        <source>Before You Go: Support Zel Mayan Animal Sign</source>
        <extracomment>Screen readers only: the name of the window shown when the program ends, which asks for support and offers to tell a friend.</extracomment>
        <translation>Avant de partir&#xa0;: soutiens Zel Mayan Animal Sign</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Know your Mayan Animal Sign Personality now.  Zel Mayan Animal Sign gives you the result based on your date if birth. Get started now!</source>
        <extracomment>Two centred lines in a fixed box; two spaces after the first sentence. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Découvre vite la personnalité de ton signe animal maya.  Zel Mayan Animal Sign te la révèle d’après ta date de naissance. C’est parti&#xa0;!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A banner of three lines in a fixed box. The two spaces after the first sentence and the four before the last are meant: keep them. The &amp; is a literal ampersand, not an access key; &quot;Help&quot; is the Help menu.</extracomment>
        <translation>Personnalise ce logiciel aux couleurs de ton site.  Gagne des visiteurs et fidélise ton public&#xa0;: mets ici le nom et le lien de ton site. Détails dans le menu «&#xa0;Aide&#xa0;».    Clique ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A banner of three lines in a fixed box; the whole banner is the link.</extracomment>
        <translation>Travaille depuis chez toi&#xa0;: crée ton activité sur Internet et gagne de l’argent en ligne. Obtiens ce logiciel aux couleurs de ton site. Clique ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;Ouvrir un résultat enregistré</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <extracomment>Caption in front of the month, day and year lists (the date of birth): about 66 pixels wide.</extracomment>
        <translation>Naissance</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Caption in front of the name box: about 46 pixels wide; a longer one grows to the left, up to about 64 pixels.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>Année de naissance</translation>
    </message>
    <message>
        <source>Birth day</source>
        <extracomment>Screen readers only: the day of the month of the birth date.</extracomment>
        <translation>Jour de naissance</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>Mois de naissance</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>name box</comment>
        <extracomment>Screen readers only: the name box.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;Find My Mayan Animal Sign</source>
        <translation>Dé&amp;couvrir mon signe animal maya</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Find My Mayan Animal Moon Sign</source>
        <translation>&amp;Découvrir mon signe animal lunaire maya</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Gagner de l’argent en ligne</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Saisis ton nom, s’il te plaît.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <extracomment>Title of the dialog that opens a saved reading.</extracomment>
        <translation>Sélectionner le fichier à ouvrir</translation>
    </message>
    <message>
        <source>Zel Free Zodiac Signs (*.zod)</source>
        <extracomment>File type of the open dialog: keep &quot; (*.zod)&quot; as it is. &quot;Zel Free&quot; is the maker&apos;s name for its free programs.</extracomment>
        <translation>Signes du zodiaque Zel Free (*.zod)</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <extracomment>The chosen file is not a saved reading.</extracomment>
        <translation>Vérifie le fichier, s’il te plaît.</translation>
    </message>
</context>
<context>
    <name>PageLinks</name>
    <message>
        <source>The most popular occult discussion board online. Your best astrology resource! Visit %1 Now</source>
        <extracomment>The link at the top of the main, result and report windows, in a fixed box of two lines; %1 is the site&apos;s address.</extracomment>
        <translation>Le forum d’occultisme le plus populaire du Web. Ta meilleure source d’astrologie&#xa0;! Visite %1 maintenant</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Zel Mayan Animal Sign finds your Mayan animal sign from your date of birth. Each animal of the Mayan zodiac is attributed with different characteristics which are reflected in your personality.</source>
        <extracomment>Followed by the rights notice &quot; © Velmora Softwares, &lt;site address&gt;.&quot;, all in a fixed box of four lines. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Zel Mayan Animal Sign trouve ton signe animal maya d’après ta date de naissance. À chaque animal du zodiaque maya sont attribués des traits propres, qui se reflètent dans ta personnalité.</translation>
    </message>
    <message>
        <source>Programs by Velmora Softwares can only be created and maintained with your support. Your best support is to visit our discussion board at %1 regularly and to join in its discussions and other activities.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>Les logiciels de Velmora Softwares ne peuvent être créés et maintenus qu’avec ton soutien. Pour nous aider au mieux, visite souvent notre forum sur %1 et participe à ses discussions et activités.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and take part in the discussions and activities there. Without regular visits from loyal users like you, we simply cannot support and maintain our free programs.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>Visite régulièrement %1 et participe à ses discussions et activités. Sans les visites régulières d’utilisateurs fidèles comme toi, nous ne pouvons tout simplement pas faire vivre nos logiciels gratuits.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>%1 est un forum de discussion gratuit en ligne consacré à tous les sujets ésotériques. Pour nous aider à développer et à maintenir ce logiciel, visite-le régulièrement.</translation>
    </message>
    <message>
        <source>%1 needs your help! Visit it regularly and take part in its discussions and activities to help us maintain this program and develop many more programs by Velmora Softwares.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>%1 a besoin de ton aide&#xa0;! Visite-le régulièrement et participe à ses discussions et activités pour nous aider à maintenir ce logiciel et à en créer bien d’autres chez Velmora Softwares.</translation>
    </message>
    <message>
        <source>If you enjoyed Zel Mayan Animal Sign, why not try our other programs? Velmora Softwares makes a whole range of software in astrology, psychic readings, tarot, numerology and the occult. Each one is simple to use, informative and fun, and a good companion for anyone curious about the hidden side of life. Have a look and find your next favourite.</source>
        <extracomment>Beside the maker&apos;s catalogue, in a fixed box 233 by 257 pixels.</extracomment>
        <translation>Si tu as aimé Zel Mayan Animal Sign, pourquoi ne pas essayer nos autres logiciels&#xa0;? Velmora Softwares propose toute une gamme de logiciels d’astrologie, de voyance, de tarot, de numérologie et d’occultisme. Chacun est simple à utiliser, instructif et amusant&#xa0;: un bon compagnon pour tous ceux que le côté caché de la vie intrigue. Jette un œil et découvre ton nouveau favori.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>The person&apos;s address and the friend&apos;s are the same.</extracomment>
        <translation>Saisis deux adresses e-mail différentes, s’il te plaît.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Saisis une adresse e-mail valide, s’il te plaît.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ton nom</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Saisis ton nom, s’il te plaît.</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ton adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Saisis ton adresse e-mail, s’il te plaît.</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ton message</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Saisis ton message, s’il te plaît.</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de ton ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Saisis le nom de ton ami, s’il te plaît.</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de ton ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Saisis l’adresse e-mail de ton ami, s’il te plaît.</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A banner of three lines in a fixed box; the whole banner is the link.</extracomment>
        <translation>Travaille depuis chez toi&#xa0;: crée ton activité sur Internet et gagne de l’argent en ligne. Obtiens ce logiciel aux couleurs de ton site. Clique ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A banner of three lines in a fixed box. The two spaces after the first sentence and the four before the last are meant: keep them. The &amp; is a literal ampersand, not an access key; &quot;Help&quot; is the Help menu.</extracomment>
        <translation>Personnalise ce logiciel aux couleurs de ton site.  Gagne des visiteurs et fidélise ton public&#xa0;: mets ici le nom et le lien de ton site. Détails dans le menu «&#xa0;Aide&#xa0;».    Clique ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button, and in the result window a File menu entry too: its access key must not be the File menu&apos;s own.</extracomment>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>first of a month</comment>
        <extracomment>The date of birth in the report when it falls on the first of a month: %1 the month&apos;s name, %2 the day (1), %3 the year, as in &quot;March 1, 1990&quot;.</extracomment>
        <translation>%2er %1 %3</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>The date of birth in the report: %1 the month&apos;s name, %2 the day, %3 the year, as in &quot;March 7, 1990&quot;.</extracomment>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>Name: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Nom&#xa0;: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Date de naissance&#xa0;: </translation>
    </message>
    <message>
        <source>Mayan Animal Moon Sign: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Signe animal lunaire maya&#xa0;: </translation>
    </message>
    <message>
        <source>English Name: </source>
        <extracomment>A label of the report, followed directly by the animal&apos;s name in the reader&apos;s own language (as opposed to its Mayan name); it ends with a space.</extracomment>
        <translation>Nom en français&#xa0;: </translation>
    </message>
    <message>
        <source>Crystal: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Cristal&#xa0;: </translation>
    </message>
    <message>
        <source>Interpretation: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Interprétation&#xa0;: </translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <extracomment>The footer under every section of the report; %1 is the site&apos;s address.</extracomment>
        <translation>Rapport généré par %1</translation>
    </message>
    <message>
        <source>Zel Mayan Animal Sign - %1</source>
        <extracomment>The print job&apos;s name in the printer queue: the program&apos;s name and the person&apos;s (%1).</extracomment>
        <translation>Zel Mayan Animal Sign - %1</translation>
    </message>
    <message>
        <source>The report could not be sent to the printer %1.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Impossible d’envoyer le rapport à l’imprimante %1.</translation>
    </message>
    <message>
        <source>Save Your Zodiac Signs Result ....</source>
        <extracomment>Title of the save dialog; the space and four dots at the end are the program&apos;s style.</extracomment>
        <translation>Enregistrer le résultat de ton signe ....</translation>
    </message>
    <message>
        <source>Rich Text Format (*.zod)</source>
        <extracomment>File type of the save dialog: keep &quot; (*.zod)&quot; as it is.</extracomment>
        <translation>Format de texte enrichi (*.zod)</translation>
    </message>
    <message>
        <source>Could not save the reading to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason the system gives.</extracomment>
        <translation>Impossible d’enregistrer le résultat dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No default printer is set up. You can save the report as a PDF instead: press Save and choose &quot;PDF document&quot;.</source>
        <extracomment>&quot;PDF document&quot; is the second file type of the Save dialog, as translated there.</extracomment>
        <translation>Aucune imprimante par défaut n’est configurée. Tu peux enregistrer le rapport en PDF à la place&#xa0;: clique sur Enregistrer et choisis «&#xa0;Document PDF&#xa0;».</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <extracomment>The second file type of the save dialog: keep &quot; (*.pdf)&quot; as it is.</extracomment>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save the report to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason the system gives.</extracomment>
        <translation>Impossible d’enregistrer le rapport dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Zel Mayan Animal Sign Report</source>
        <extracomment>Screen readers only: the report window&apos;s name.</extracomment>
        <translation>Rapport de Zel Mayan Animal Sign</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A banner of three lines in a fixed box. The two spaces after the first sentence and the four before the last are meant: keep them. The &amp; is a literal ampersand, not an access key; &quot;Help&quot; is the Help menu.</extracomment>
        <translation>Personnalise ce logiciel aux couleurs de ton site.  Gagne des visiteurs et fidélise ton public&#xa0;: mets ici le nom et le lien de ton site. Détails dans le menu «&#xa0;Aide&#xa0;».    Clique ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A banner of three lines in a fixed box; the whole banner is the link.</extracomment>
        <translation>Travaille depuis chez toi&#xa0;: crée ton activité sur Internet et gagne de l’argent en ligne. Obtiens ce logiciel aux couleurs de ton site. Clique ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Zel Mayan Animal Sign Result</source>
        <extracomment>&quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Résultat de Zel Mayan Animal Sign</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interprétation</translation>
    </message>
    <message>
        <source>Crystal</source>
        <extracomment>Caption of the sign&apos;s crystal (gemstone).</extracomment>
        <translation>Cristal</translation>
    </message>
    <message>
        <source>English Name</source>
        <extracomment>Caption of the animal&apos;s name in the reader&apos;s own language, as opposed to its Mayan name.</extracomment>
        <translation>Nom en français</translation>
    </message>
    <message>
        <source>Mayan Animal Moon Sign</source>
        <extracomment>Caption of the sign&apos;s Mayan name.</extracomment>
        <translation>Signe animal lunaire maya</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button, and in the result window a File menu entry too: its access key must not be the File menu&apos;s own.</extracomment>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l’argent en ligne</translation>
    </message>
    <message>
        <source>Picture of the bat</source>
        <translation>Image de la chauve-souris</translation>
    </message>
    <message>
        <source>Picture of the scorpion</source>
        <translation>Image du scorpion</translation>
    </message>
    <message>
        <source>Picture of the deer</source>
        <translation>Image du cerf</translation>
    </message>
    <message>
        <source>Picture of the owl</source>
        <translation>Image de la chouette</translation>
    </message>
    <message>
        <source>Picture of the peacock</source>
        <translation>Image du paon</translation>
    </message>
    <message>
        <source>Picture of the lizard</source>
        <translation>Image du lézard</translation>
    </message>
    <message>
        <source>Picture of the monkey</source>
        <translation>Image du singe</translation>
    </message>
    <message>
        <source>Picture of the hawk</source>
        <translation>Image du faucon</translation>
    </message>
    <message>
        <source>Picture of the jaguar</source>
        <translation>Image du jaguar</translation>
    </message>
    <message>
        <source>Picture of the dog</source>
        <translation>Image du chien</translation>
    </message>
    <message>
        <source>Picture of the snake</source>
        <translation>Image du serpent</translation>
    </message>
    <message>
        <source>Picture of the rabbit</source>
        <translation>Image du lapin</translation>
    </message>
    <message>
        <source>Picture of the turtle</source>
        <translation>Image de la tortue</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <extracomment>Screen readers only: the result window&apos;s name. %1 is the frame&apos;s title (&quot;Zel Mayan Animal Sign Result&quot;), %2 the Mayan name, %3 the animal, %4 the crystal.</extracomment>
        <translation>%1&#xa0;: %2, %3, %4</translation>
    </message>
</context>
<context>
    <name>SavedReadingFile</name>
    <message>
        <source>The name is too long to be saved.</source>
        <translation>Le nom est trop long pour être enregistré.</translation>
    </message>
</context>
<context>
    <name>SignTable</name>
    <message>
        <source>The bat is the first moon sign of the Mayan calendar, and those who carry it share the bat&apos;s gift for finding their way where others see only darkness. You sense what is going on around you before anyone says a word, and you trust that inner radar more than any map. To the Maya the bat was a messenger between the visible world and the hidden one, so no wonder you are drawn to questions most people never ask. You are sociable in small circles, loyal to the few you let come close, and happiest when you keep your own hours. Your weakness is a tendency to hide when you feel misunderstood. Step into the light now and then: the world needs your insight, and your friends miss you more than you know.</source>
        <extracomment>Tzootz, the bat. At most nine lines in the result window.</extracomment>
        <translation>La chauve-souris est le premier signe lunaire du calendrier maya, et les personnes qui le portent partagent son don pour trouver leur chemin là où les autres ne voient que l’obscurité. Tu sens ce qui se passe autour de toi avant que quiconque ait dit un mot, et tu te fies davantage à ce radar intérieur qu’à n’importe quelle carte. Pour les Mayas, la chauve-souris était une messagère entre le monde visible et le monde caché&#xa0;: rien d’étonnant à ce que les questions que presque personne ne se pose t’attirent. En petit comité, tu as le sens du contact, tu restes fidèle aux rares personnes que tu laisses t’approcher, et ton bonheur, c’est de vivre à ton propre rythme. Ton point faible&#xa0;: la tendance à te cacher quand tu as l’impression qu’on ne te comprend pas. Sors de l’ombre de temps en temps&#xa0;: le monde a besoin de ton intuition, et tu manques à tes amis plus que tu ne le crois.</translation>
    </message>
    <message>
        <source>People born under this sign thrive on challenges. Like the scorpion, you are built for harsh places, and a difficult task wakes you up rather than wearing you down. You prefer to work quietly and strike at the right moment, which is why others often underestimate you until the job is already done. The Maya linked the scorpion with the hunt and with sacrifice, and you too are willing to give up comfort for a goal you believe in. You are fiercely protective of your family and your friends, and your loyalty, once earned, does not waver. At the same time you guard your own feelings behind a tough shell, and people may find you hard to read. Your sting is sharp when you feel betrayed, so learn to pause before you answer an insult. When you let people see the warm heart under the armour, you will find that they are far more ready to help you than you expected.</source>
        <extracomment>Dzec, the scorpion. At most nine lines in the result window.</extracomment>
        <translation>Les personnes nées sous ce signe s’épanouissent face aux défis. Comme le scorpion, tu ne crains pas les terres hostiles, et une tâche difficile te stimule au lieu de t’épuiser. Tu préfères travailler en silence et frapper au bon moment&#xa0;; c’est pourquoi on te sous-estime souvent jusqu’à ce que le travail soit déjà fait. Les Mayas associaient le scorpion à la chasse et au sacrifice, et toi aussi, tu sais renoncer au confort pour un but auquel tu crois. Tu protèges farouchement ta famille et tes amis, et ta loyauté, une fois gagnée, ne faiblit pas. En même temps, tu caches tes sentiments derrière une carapace épaisse, et les autres ont parfois du mal à te cerner. Face à une trahison, ton dard est acéré&#xa0;: apprends donc à marquer une pause avant de répondre à une insulte. Si tu laisses voir le cœur chaleureux qui bat sous l’armure, tu découvriras que les autres sont bien plus prêts à t’aider que tu ne l’imaginais.</translation>
    </message>
    <message>
        <source>The third sign of Mayan moon sign is deer. People born under the deer are gentle, graceful and alert, with a natural elegance that others notice the moment they enter a room. The Maya saw the stag as a noble animal that was also a gift of the forest, and you have that same generous spirit: you give your time and attention freely and you hate to see anybody left out. You are sensitive to atmosphere and quick to pick up a change of mood, which makes you a loyal friend and a careful listener. Your trusting nature can make you seem naïve, and now and then someone will take advantage of your kindness. You also tend to run from conflict rather than face it. Learn to stand your ground when it matters, because your quiet pride and your sense of fairness are stronger than you believe, and people respect a deer that does not bolt.</source>
        <extracomment>Keh, the deer or stag. At most nine lines in the result window.</extracomment>
        <translation>Le troisième signe lunaire maya est le cerf. Les personnes nées sous le cerf sont douces, gracieuses et vigilantes, avec une élégance naturelle que tout le monde remarque dès qu’elles entrent dans une pièce. Les Mayas voyaient dans le cerf un animal noble, qui était aussi un don de la forêt, et tu as cette même générosité&#xa0;: tu donnes sans compter ton temps et ton attention, et tu ne supportes pas de voir quelqu’un mis à l’écart. Tu es sensible à l’atmosphère et tu perçois vite un changement d’humeur, ce qui fait de toi une présence fidèle et une oreille attentive. Ta nature confiante peut te donner un air naïf, et il arrive qu’on abuse de ta gentillesse. Tu as aussi tendance à fuir les conflits plutôt qu’à les affronter. Apprends à tenir bon quand c’est important, car ta fierté tranquille et ton sens de la justice sont plus forts que tu ne le crois, et l’on respecte un cerf qui ne détale pas.</translation>
    </message>
    <message>
        <source>In many cultures, especially in western culture, the owl stands for wisdom, and for the Maya it was a night bird that carried messages from the spirit world. People born under the owl live partly in that unseen realm. You are intuitive, observant and often a little mysterious, and you notice the small details that everyone else walks past. Your dreams can be vivid and your hunches are frequently correct, so it pays to listen to them. You prefer deep conversation to small talk and would rather have one true friend than a crowd of acquaintances. Because you think so much, you can slip into worry or keep to yourself too long. Share what you see with those you trust: your insight is a gift that grows when it is given away.</source>
        <extracomment>Moan, the owl. At most nine lines in the result window.</extracomment>
        <translation>Dans de nombreuses cultures, notamment en Occident, la chouette symbolise la sagesse, et pour les Mayas c’était un oiseau de nuit qui apportait des messages du monde des esprits. Les personnes nées sous la chouette vivent en partie dans ce royaume invisible. Tu as de l’intuition, le sens de l’observation et souvent un petit air mystérieux, et tu remarques les menus détails devant lesquels tout le monde passe sans les voir. Tes rêves peuvent être très vifs et tes pressentiments sont souvent justes&#xa0;: mieux vaut les écouter. Tu préfères une conversation profonde aux banalités, et une seule amitié sincère compte plus pour toi qu’une foule de connaissances. À force de tant réfléchir, il t’arrive de te ronger d’inquiétude ou de rester trop longtemps dans ta bulle. Partage ce que tu vois avec les personnes en qui tu as confiance&#xa0;: ton regard est un don qui grandit quand on l’offre.</translation>
    </message>
    <message>
        <source>The fifth moon of the Mayan calendar belongs to the peacock, and people born under it are hard to overlook. You have a flair for colour and style, and you know how to make an entrance. Your charm is genuine rather than put on: you enjoy people, you like to entertain them, and you are at your best with an audience. The Maya prized the peacock&apos;s brilliant feathers as a sign of splendour and success, and you too tend to attract attention, opportunities and admirers wherever you go. You are ambitious and generous in equal measure, and you like to share your good fortune with those around you. The shadow side of this sign is pride. You can be hurt by criticism and may chase praise a little too eagerly. Remember that your real worth lies in your warmth and your confidence, not in your feathers, and the people who matter will love you all the more for it.</source>
        <extracomment>Cutz, the peacock. At most nine lines in the result window.</extracomment>
        <translation>La cinquième lune du calendrier maya appartient au paon, et les personnes nées sous son signe passent difficilement inaperçues. Tu as le sens de la couleur et du style, et tu sais faire une entrée remarquée. Ton charme est sincère&#xa0;: tu aimes les gens, tu aimes les divertir, et tu donnes le meilleur de toi-même devant un public. Les Mayas voyaient dans les plumes éclatantes du paon un signe de splendeur et de réussite, et toi aussi, tu attires les regards, les occasions et les admirateurs partout où tu passes. Chez toi, l’ambition va de pair avec la générosité, et tu aimes partager ta chance avec ton entourage. La face cachée de ce signe, c’est l’orgueil. Les critiques peuvent te blesser, et tu recherches peut-être les compliments avec trop d’empressement. Souviens-toi que ta vraie valeur tient à ta chaleur et à ta confiance en toi, pas à tes plumes, et les personnes qui comptent ne t’en aimeront que plus.</translation>
    </message>
    <message>
        <source>Due to its ability to change color, the lizard is a symbol of adaptability, and people born under this sign fit into almost any company or situation. You read a room quickly and adjust your manner without losing sight of who you are. The Maya admired the lizard for its patience in the sun and its speed when it has to move, and you share that mix of calm and quick reaction. You are practical, resourceful and curious, and you rarely panic when plans change; in fact you may enjoy it. Your flexibility can, however, make you hard to pin down, and others may wonder what you really think. Let them see your true colours more often; they are more attractive than any disguise.</source>
        <extracomment>Xibkay, the lizard. At most nine lines in the result window.</extracomment>
        <translation>Parce qu’il peut changer de couleur, le lézard est un symbole d’adaptabilité, et les personnes nées sous ce signe trouvent leur place dans presque tous les milieux et toutes les situations. Tu sens vite l’ambiance d’une pièce et tu ajustes ton attitude sans perdre de vue qui tu es. Les Mayas admiraient la patience du lézard au soleil et sa vivacité quand il doit bouger, et tu partages ce mélange de calme et de réactivité. Tu as l’esprit pratique, de la ressource et de la curiosité, et tu paniques rarement quand les projets changent&#xa0;; peut-être même que tu aimes ça. À cause de ta souplesse, toutefois, on ne sait pas toujours sur quel pied danser avec toi, et les autres se demandent parfois ce que tu penses au fond. Montre-leur plus souvent qui tu es vraiment&#xa0;: c’est plus séduisant que n’importe quel déguisement.</translation>
    </message>
    <message>
        <source>&apos;Batz&apos; is the Mayan name for monkey. In Mayan stories the monkey was a patron of the arts, of music, writing and craft, and people born under this sign carry that creative spark. You are playful, clever and endlessly curious, and you can turn a dull afternoon into something memorable. Your sense of humour helps you make friends easily, and you have a way of solving problems that others find unusual but that usually works. You learn fast and love to try new things, although you may lose interest once the novelty wears off. Underneath the jokes you are more sensitive than you let on, and you care deeply about being accepted. Give your best ideas the time they need to grow, and do not be afraid to be serious now and again. Your talent is real, and it deserves to be finished as well as started.</source>
        <extracomment>Batz, the monkey. At most nine lines in the result window.</extracomment>
        <translation>«&#xa0;Batz&#xa0;» est le nom maya du singe. Dans les récits mayas, le singe était le protecteur des arts, de la musique, de l’écriture et de l’artisanat, et les personnes nées sous ce signe portent cette étincelle créatrice. Tu as un esprit joueur, vif et très curieux, et tu sais faire d’un après-midi morne un moment mémorable. Grâce à ton humour, tu te fais facilement des amis, et tu as une façon de résoudre les problèmes que les autres trouvent insolite, mais qui marche souvent. Tu apprends vite et tu adores tout essayer, même si ton intérêt retombe une fois la nouveauté passée. Derrière les plaisanteries se cache plus de sensibilité que tu ne le laisses paraître, et l’acceptation des autres compte beaucoup pour toi. Laisse à tes meilleures idées le temps de mûrir, et n’aie pas peur de prendre les choses au sérieux de temps en temps. Ton talent est réel&#xa0;: mène tes projets à terme, ne te contente pas de les commencer.</translation>
    </message>
    <message>
        <source>The eighth moon sign of the Mayan calendar is the hawk, a bird that sees the whole landscape from high above. People born under it have a sharp, clear mind and the ability to spot an opportunity long before others do. You are decisive and focused, and once you have set your sights on something you go after it with remarkable determination. The Maya linked the hawk with the sun and with vision, and you too bring light and direction to those around you; people often turn to you for leadership. You value freedom and dislike being told what to do, which can make teamwork a real challenge. Your high standards may also make you impatient with slower thinkers. Try to share your view from above with kindness, and you will find that others are happy to follow where you lead.</source>
        <extracomment>Coz, the hawk. At most nine lines in the result window.</extracomment>
        <translation>Le huitième signe lunaire du calendrier maya est le faucon, un oiseau qui embrasse tout le paysage depuis les hauteurs. Les personnes nées sous son signe ont l’esprit vif et clair, et savent repérer une occasion bien avant les autres. Tu sais trancher et garder le cap, et quand tu t’es fixé un objectif, tu le poursuis avec une détermination remarquable. Les Mayas associaient le faucon au soleil et à la vision, et toi aussi, tu éclaires et guides ton entourage&#xa0;; on compte souvent sur toi pour prendre la tête. Tu tiens à ta liberté et tu n’aimes pas qu’on te dise quoi faire, ce qui peut faire du travail d’équipe un vrai défi. Ton exigence peut aussi te faire manquer de patience envers les esprits plus lents. Essaie de partager ta vue d’en haut avec bienveillance, et tu verras que les autres te suivront volontiers là où tu les mènes.</translation>
    </message>
    <message>
        <source>Profoundly revered in Mayan culture, the Jaguar was the animal of kings, warriors and priests, a guardian of the night and of the underworld. People born under this sign have a natural authority and a quiet power that others feel at once. You are strong, confident and self-reliant, and you move through life with an easy grace that hides how hard you work. You are fiercely protective of your family, your home and your principles, and you will not back down when something you care about is threatened. You also have a deep spiritual side and may feel drawn to ancient traditions and hidden knowledge. Because you are so independent, you can at times seem distant or proud. Let the people you love see your softer side, and your strength will become a shelter for them rather than a wall.</source>
        <extracomment>Jaguar, whose animal is the Balam. At most nine lines in the result window.</extracomment>
        <translation>Profondément vénéré dans la culture maya, le jaguar était l’animal des rois, des guerriers et des prêtres, gardien de la nuit et du monde souterrain. Les personnes nées sous ce signe ont une autorité naturelle et une puissance tranquille que les autres perçoivent aussitôt. Tu as de la force, de l’assurance et de l’autonomie, et tu avances dans la vie avec une aisance gracieuse qui cache à quel point tu travailles dur. Tu défends farouchement ta famille, ton foyer et tes principes, et tu ne recules pas quand une chose qui t’est chère est menacée. Tu as aussi une profonde dimension spirituelle, et les traditions anciennes et les savoirs cachés t’attirent peut-être. Ton indépendance peut parfois te donner un air distant ou hautain. Laisse les personnes que tu aimes voir ton côté plus tendre, et ta force deviendra pour elles un abri plutôt qu’un mur.</translation>
    </message>
    <message>
        <source>In Mayan language, Dog is called &apos;Pek&apos;. The Maya believed that the dog guided souls safely through the underworld, and people born under this sign are guides and companions in everyday life too. You are loyal, honest and dependable, the friend who turns up when you are needed and stays until the work is done. You have a strong sense of right and wrong and you speak up for anyone who is treated unfairly. You are a tireless worker. Family and home matter a great deal to you, and you are happiest when the people you love are close by. Your devotion is your great gift, but it can also make you possessive or anxious when you feel left out. Remember to look after yourself as carefully as you look after everyone else, and trust that the love you give so freely will come back to you.</source>
        <extracomment>Pek, the dog. At most nine lines in the result window.</extracomment>
        <translation>En langue maya, le chien se dit «&#xa0;Pek&#xa0;». Les Mayas croyaient que le chien guidait les âmes à travers le monde souterrain, et les personnes nées sous ce signe sont, elles aussi, des guides et des compagnons au quotidien. Tu es quelqu’un de loyal, d’honnête et de fiable, qui répond présent quand on a besoin de toi et reste jusqu’à ce que le travail soit terminé. Tu as un sens aigu du bien et du mal, et tu prends la défense de quiconque est traité injustement. Tu travailles sans relâche. La famille et le foyer comptent énormément pour toi, et ton bonheur est complet quand les personnes que tu aimes sont près de toi. Ton dévouement est ton plus beau don, mais il peut aussi éveiller en toi de la jalousie ou de l’inquiétude quand tu as l’impression qu’on te tient à l’écart. Pense à prendre soin de toi aussi bien que des autres, et aie confiance&#xa0;: l’amour que tu donnes si généreusement te reviendra.</translation>
    </message>
    <message>
        <source>The snake signifies healing power in Mayan culture. It sheds its skin and is renewed, and people born under this sign have the same capacity to heal, to change and to begin again. You are perceptive, calm and wise beyond your years, and others often come to you for comfort or advice. You have a strong, almost physical sense of people&apos;s feelings, and you may be drawn to medicine, counselling or any work that helps others recover. You tend to keep your own troubles hidden, and you can hold on to old hurts longer than is good for you. When you are under pressure you may become cold, guarded or secretive. Let go of what no longer serves you, just as the snake leaves its old skin behind, and you will discover how much fresh energy is still waiting for you.</source>
        <extracomment>Kaw, the snake. At most nine lines in the result window.</extracomment>
        <translation>Dans la culture maya, le serpent symbolise le pouvoir de guérison. Il mue et se renouvelle, et les personnes nées sous ce signe ont la même capacité à guérir, à changer et à recommencer. Tu as de la perspicacité, du calme et une sagesse qui dépasse ton âge, et les autres viennent souvent chercher auprès de toi réconfort ou conseil. Tu perçois les émotions des gens de façon intense, presque physique, et la médecine, l’accompagnement ou tout métier qui aide les autres à se rétablir t’attirent peut-être. Tu as tendance à garder tes soucis pour toi, et tu peux t’accrocher à de vieilles blessures plus longtemps qu’il ne le faudrait. Sous pression, il t’arrive de te fermer, de prendre tes distances ou de cultiver le secret. Lâche ce qui ne te sert plus, comme le serpent abandonne sa vieille peau, et tu découvriras combien d’énergie nouvelle t’attend encore.</translation>
    </message>
    <message>
        <source>Some of the rabbit-like qualities like restlessness, quickness and a lively imagination are clear in people born under this sign. The Maya connected the rabbit with the moon and with fertility, and you have a creative, playful mind that is always full of new plans. You are friendly, witty and good company, and your cheerful mood lifts the spirits of everyone around you. Your laughter is quick and infectious. You love games, puzzles and anything clever, and you have a knack for finding a smart way out of a tight spot. Because you enjoy novelty, you may jump from one project to the next and leave some of them unfinished. You can also be shy under the surface and uneasy in conflict. Give your ideas a home and the patience they need, and you will see that your imagination can build something lasting as well as delightful.</source>
        <extracomment>Tzub, the rabbit. At most nine lines in the result window.</extracomment>
        <translation>Certaines qualités propres au lapin, comme l’agitation, la rapidité et une imagination débordante, se voient clairement chez les personnes nées sous ce signe. Les Mayas associaient le lapin à la lune et à la fertilité, et tu as un esprit créatif et joueur, toujours plein d’idées neuves. Tu as de la gentillesse et de l’esprit, tu es d’agréable compagnie, et ta bonne humeur remonte le moral de ton entourage. Ton rire fuse et il est contagieux. Tu adores les jeux, les énigmes et tout ce qui est astucieux, et tu as le don de trouver une issue futée aux situations délicates. Comme la nouveauté te plaît, tu passes parfois d’un projet à l’autre en en laissant certains inachevés. Sous la surface se cache aussi une certaine timidité, et les conflits te mettent mal à l’aise. Donne à tes idées un cadre et la patience qu’elles demandent, et tu verras que ton imagination peut bâtir quelque chose de durable autant que de charmant.</translation>
    </message>
    <message>
        <source>The turtle moon is the 13th moon of the Mayan calendar, and for the Maya the turtle carried the world on its back. People born under this sign are steady, patient and deeply reliable, the calm centre that others gather around. You are never in a hurry, but you always arrive in the end, and your careful approach means that what you build tends to last. You have a strong bond with home and family and a great respect for tradition and for the wisdom of older generations. You take your time before you trust someone, but once you do, your loyalty is complete. Your caution can make you rather stubborn or slow to accept new things, and you may withdraw into your shell when life feels too loud. Remember that even a turtle has to poke its head out to move forward, and that your quiet strength is exactly what a restless world needs.</source>
        <extracomment>Aak, the turtle or tortoise. At most nine lines in the result window.</extracomment>
        <translation>La lune de la tortue est la treizième lune du calendrier maya, et pour les Mayas la tortue portait le monde sur son dos. Les personnes nées sous ce signe sont constantes, patientes et fiables, le centre tranquille autour duquel les autres se rassemblent. Tu ne te presses jamais, mais tu finis toujours par arriver, et grâce à ton soin, ce que tu construis est fait pour durer. Tu as un lien fort avec ton foyer et ta famille, et un grand respect pour la tradition et la sagesse des aînés. Tu prends ton temps avant d’accorder ta confiance, mais une fois que tu l’as donnée, ta loyauté est totale. Ta prudence peut tourner à l’entêtement ou à la méfiance envers la nouveauté, et il t’arrive de rentrer dans ta carapace quand la vie devient trop bruyante. Souviens-toi que même une tortue doit sortir la tête pour avancer, et que ta force tranquille est exactement ce dont un monde agité a besoin.</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Chauve-souris</translation>
    </message>
    <message>
        <source>Rainbow Obsidan</source>
        <extracomment>A crystal; the English misspells &quot;Rainbow Obsidian&quot;.</extracomment>
        <translation>Obsidienne arc-en-ciel</translation>
    </message>
    <message>
        <source>Scorpion</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Yellow Topaz</source>
        <translation>Topaze jaune</translation>
    </message>
    <message>
        <source>Deer / Stag</source>
        <translation>Cerf</translation>
    </message>
    <message>
        <source>Cymophaene</source>
        <extracomment>A crystal: cymophane, the cat&apos;s-eye chrysoberyl.</extracomment>
        <translation>Cymophane</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Chouette</translation>
    </message>
    <message>
        <source>Fire Opal</source>
        <translation>Opale de feu</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Paon</translation>
    </message>
    <message>
        <source>Red Topaz</source>
        <translation>Topaze rouge</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>Lézard</translation>
    </message>
    <message>
        <source>Garnet And Ruby</source>
        <translation>Grenat et rubis</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Singe</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Perle</translation>
    </message>
    <message>
        <source>Hawk</source>
        <translation>Faucon</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Améthyste</translation>
    </message>
    <message>
        <source>Balam</source>
        <extracomment>The Mayan word for jaguar, shown as this sign&apos;s animal under the caption of the animal&apos;s name in the reader&apos;s own language: the language&apos;s own name for the jaguar.</extracomment>
        <translation>Jaguar</translation>
    </message>
    <message>
        <source>Alexandrite</source>
        <translation>Alexandrite</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Chien</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Emereld</source>
        <extracomment>A crystal; the English misspells &quot;Emerald&quot;.</extracomment>
        <translation>Émeraude</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Lapin</translation>
    </message>
    <message>
        <source>Malaquite</source>
        <extracomment>A crystal; the English misspells &quot;Malachite&quot;.</extracomment>
        <translation>Malachite</translation>
    </message>
    <message>
        <source>Turtle / Tortoise</source>
        <translation>Tortue</translation>
    </message>
    <message>
        <source>Serpentine</source>
        <translation>Serpentine</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>The month.</extracomment>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <extracomment>Shown when the program is started while another copy of it runs.</extracomment>
        <translation>Le logiciel est déjà en cours d’exécution.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <extracomment>First line of the question at start-up; the English &quot;maybe&quot; is meant as &quot;may be&quot;.</extracomment>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <extracomment>Second line of the question, answered Yes or No.</extracomment>
        <translation>Veux-tu rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
</TS>
