<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Zel Mayan Animal Sign icon</source>
        <extracomment>Screen readers only: the program&apos;s icon. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Symbol von Zel Mayan Animal Sign</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Two lines in a fixed box.</extracomment>
        <translation>Geschäftsidee für zu Hause: Starte dein Internetgeschäft und verdiene online Geld. Hol dir dieses Programm mit deiner eigenen Marke.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <extracomment>One line; grows to the right up to the window&apos;s edge.</extracomment>
        <translation>Hier klicken für Details</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>A link of one line, at most 277 pixels wide with the site&apos;s address (%1).</extracomment>
        <translation>Besuche %1</translation>
    </message>
    <message>
        <source>About Zel Mayan Animal Sign</source>
        <extracomment>Screen readers only: the About window&apos;s name.</extracomment>
        <translation>Über Zel Mayan Animal Sign</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Find your Mayan animal moon sign from your name and birth date</source>
        <translation>Finde dein Maya-Mondtierzeichen anhand deines Namens und Geburtsdatums</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine normale Datei.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Zeigt die Version an.</translation>
    </message>
    <message>
        <source>A saved reading (.zod) to open.</source>
        <translation>Gespeicherte Deutung (.zod), die geöffnet wird.</translation>
    </message>
    <message>
        <source>Only one saved reading can be opened at a time.</source>
        <translation>Es kann nur eine gespeicherte Deutung auf einmal geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>ExitAppealWindow</name>
    <message>
        <source>Zel Mayan Animal Sign icon</source>
        <extracomment>Screen readers only: the program&apos;s icon. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Symbol von Zel Mayan Animal Sign</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <extracomment>&quot;Velmora Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>Velmora Softwares – Downloads</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <extracomment>One line, 239 pixels wide. &quot;Velmora Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>Besuche Velmora Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Deine Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name deines Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse deines Freundes</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Deine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Jetzt einem Freund &amp;empfehlen</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>A check box that works as a link; %1 is the site&apos;s address.</extracomment>
        <translation>Hier klicken und jetzt %1 besuchen</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>Shown when a space is typed into an address box.</extracomment>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
    <message>
        <source>Before You Go: Support Zel Mayan Animal Sign</source>
        <extracomment>Screen readers only: the name of the window shown when the program ends, which asks for support and offers to tell a friend.</extracomment>
        <translation>Bevor du gehst: Unterstütze Zel Mayan Animal Sign</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Know your Mayan Animal Sign Personality now.  Zel Mayan Animal Sign gives you the result based on your date if birth. Get started now!</source>
        <extracomment>Two centred lines in a fixed box; two spaces after the first sentence. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Entdecke jetzt die Persönlichkeit deines Maya-Tierzeichens.  Zel Mayan Animal Sign ermittelt sie aus deinem Geburtsdatum. Leg gleich los!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A banner of three lines in a fixed box. The two spaces after the first sentence and the four before the last are meant: keep them. The &amp; is a literal ampersand, not an access key; &quot;Help&quot; is the Help menu.</extracomment>
        <translation>Versieh dieses Programm mit deiner Marke.  Mehr Stammbesucher für deine Website: Hier stehen Name und Link deiner Seite. Details unter „Hilfe“.    Hier klicken für mehr Infos zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A banner of three lines in a fixed box; the whole banner is the link.</extracomment>
        <translation>Geschäftsidee für zu Hause: Starte dein Internetgeschäft und verdiene online Geld. Hol dir dieses Programm mit deiner eigenen Marke. Hier klicken für Details.</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;Gespeicherte Deutung öffnen</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <extracomment>Caption in front of the month, day and year lists (the date of birth): about 66 pixels wide.</extracomment>
        <translation>Geboren</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Caption in front of the name box: about 46 pixels wide; a longer one grows to the left, up to about 64 pixels.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>Geburtsjahr</translation>
    </message>
    <message>
        <source>Birth day</source>
        <extracomment>Screen readers only: the day of the month of the birth date.</extracomment>
        <translation>Tag der Geburt</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>Geburtsmonat</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>name box</comment>
        <extracomment>Screen readers only: the name box.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Find My Mayan Animal Sign</source>
        <translation>Mein Maya-Tierzeichen &amp;finden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Find My Mayan Animal Moon Sign</source>
        <translation>Mein Maya-Mondtierzeichen &amp;finden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Über das Programm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>Online Geld &amp;verdienen</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <extracomment>Title of the dialog that opens a saved reading.</extracomment>
        <translation>Datei zum Öffnen auswählen</translation>
    </message>
    <message>
        <source>Zel Free Zodiac Signs (*.zod)</source>
        <extracomment>File type of the open dialog: keep &quot; (*.zod)&quot; as it is. &quot;Zel Free&quot; is the maker&apos;s name for its free programs.</extracomment>
        <translation>Zel Free Sternzeichen (*.zod)</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <extracomment>The chosen file is not a saved reading.</extracomment>
        <translation>Bitte überprüfe die Datei.</translation>
    </message>
</context>
<context>
    <name>PageLinks</name>
    <message>
        <source>The most popular occult discussion board online. Your best astrology resource! Visit %1 Now</source>
        <extracomment>The link at the top of the main, result and report windows, in a fixed box of two lines; %1 is the site&apos;s address.</extracomment>
        <translation>Das beliebteste Esoterik-Forum im Netz. Deine beste Astrologie-Quelle! Besuche jetzt %1</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Zel Mayan Animal Sign finds your Mayan animal sign from your date of birth. Each animal of the Mayan zodiac is attributed with different characteristics which are reflected in your personality.</source>
        <extracomment>Followed by the rights notice &quot; © Velmora Softwares, &lt;site address&gt;.&quot;, all in a fixed box of four lines. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Zel Mayan Animal Sign ermittelt dein Maya-Tierzeichen aus deinem Geburtsdatum. Jedem Tier des Maya-Tierkreises werden eigene Wesenszüge zugeschrieben, die sich in deiner Persönlichkeit zeigen.</translation>
    </message>
    <message>
        <source>Programs by Velmora Softwares can only be created and maintained with your support. Your best support is to visit our discussion board at %1 regularly and to join in its discussions and other activities.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>Programme von Velmora Softwares können nur mit deiner Unterstützung entstehen und gepflegt werden. Am besten hilfst du uns, indem du unser Forum unter %1 oft besuchst und mitdiskutierst.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and take part in the discussions and activities there. Without regular visits from loyal users like you, we simply cannot support and maintain our free programs.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>Bitte besuche %1 regelmäßig und mach bei den Diskussionen und Aktionen dort mit. Ohne regelmäßige Besuche von treuen Nutzern wie dir können wir unsere kostenlosen Programme einfach nicht weiter pflegen.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>%1 ist ein kostenloses Online-Forum zu allen esoterischen Themen. Bitte besuche es regelmäßig, damit wir dieses Programm weiterentwickeln und pflegen können.</translation>
    </message>
    <message>
        <source>%1 needs your help! Visit it regularly and take part in its discussions and activities to help us maintain this program and develop many more programs by Velmora Softwares.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>%1 braucht deine Hilfe! Besuche die Seite oft und mach mit – so hilfst du uns, dieses Programm zu pflegen und viele weitere von Velmora Softwares zu entwickeln.</translation>
    </message>
    <message>
        <source>If you enjoyed Zel Mayan Animal Sign, why not try our other programs? Velmora Softwares makes a whole range of software in astrology, psychic readings, tarot, numerology and the occult. Each one is simple to use, informative and fun, and a good companion for anyone curious about the hidden side of life. Have a look and find your next favourite.</source>
        <extracomment>Beside the maker&apos;s catalogue, in a fixed box 233 by 257 pixels.</extracomment>
        <translation>Hat dir Zel Mayan Animal Sign gefallen? Dann probier doch unsere anderen Programme aus! Velmora Softwares bietet eine ganze Reihe von Programmen zu Astrologie, Hellsehen, Tarot, Numerologie und Okkultismus. Jedes ist einfach zu bedienen, informativ und unterhaltsam – ein guter Begleiter für alle, die neugierig auf die verborgene Seite des Lebens sind. Schau dich um – vielleicht ist dein neues Lieblingsprogramm dabei.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>The person&apos;s address and the friend&apos;s are the same.</extracomment>
        <translation>Bitte gib zwei verschiedene E-Mail-Adressen ein.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte gib eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Deine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte gib deine E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Deine Nachricht</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte gib deine Nachricht ein.</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name deines Freundes</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte gib den Namen deines Freundes ein.</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse deines Freundes</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte gib die E-Mail-Adresse deines Freundes ein.</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A banner of three lines in a fixed box; the whole banner is the link.</extracomment>
        <translation>Geschäftsidee für zu Hause: Starte dein Internetgeschäft und verdiene online Geld. Hol dir dieses Programm mit deiner eigenen Marke. Hier klicken für Details.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A banner of three lines in a fixed box. The two spaces after the first sentence and the four before the last are meant: keep them. The &amp; is a literal ampersand, not an access key; &quot;Help&quot; is the Help menu.</extracomment>
        <translation>Versieh dieses Programm mit deiner Marke.  Mehr Stammbesucher für deine Website: Hier stehen Name und Link deiner Seite. Details unter „Hilfe“.    Hier klicken für mehr Infos zum Co-Branding.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button, and in the result window a File menu entry too: its access key must not be the File menu&apos;s own.</extracomment>
        <translation>D&amp;rucken</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>The date of birth in the report: %1 the month&apos;s name, %2 the day, %3 the year, as in &quot;March 7, 1990&quot;.</extracomment>
        <translation>%2. %1 %3</translation>
    </message>
    <message>
        <source>Name: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Geburtsdatum: </translation>
    </message>
    <message>
        <source>Mayan Animal Moon Sign: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Maya-Mondtierzeichen: </translation>
    </message>
    <message>
        <source>English Name: </source>
        <extracomment>A label of the report, followed directly by the animal&apos;s name in the reader&apos;s own language (as opposed to its Mayan name); it ends with a space.</extracomment>
        <translation>Deutscher Name: </translation>
    </message>
    <message>
        <source>Crystal: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Kristall: </translation>
    </message>
    <message>
        <source>Interpretation: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Deutung: </translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <extracomment>The footer under every section of the report; %1 is the site&apos;s address.</extracomment>
        <translation>Bericht erstellt von %1</translation>
    </message>
    <message>
        <source>Zel Mayan Animal Sign - %1</source>
        <extracomment>The print job&apos;s name in the printer queue: the program&apos;s name and the person&apos;s (%1).</extracomment>
        <translation>Zel Mayan Animal Sign - %1</translation>
    </message>
    <message>
        <source>The report could not be sent to the printer %1.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Der Bericht konnte nicht an den Drucker %1 gesendet werden.</translation>
    </message>
    <message>
        <source>Save Your Zodiac Signs Result ....</source>
        <extracomment>Title of the save dialog; the space and four dots at the end are the program&apos;s style.</extracomment>
        <translation>Ergebnis deines Zeichens speichern ....</translation>
    </message>
    <message>
        <source>Rich Text Format (*.zod)</source>
        <extracomment>File type of the save dialog: keep &quot; (*.zod)&quot; as it is.</extracomment>
        <translation>Rich-Text-Format (*.zod)</translation>
    </message>
    <message>
        <source>Could not save the reading to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason the system gives.</extracomment>
        <translation>Die Deutung konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>first of a month</comment>
        <extracomment>The date of birth in the report when it falls on the first of a month: %1 the month&apos;s name, %2 the day (1), %3 the year, as in &quot;March 1, 1990&quot;.</extracomment>
        <translation>%2. %1 %3</translation>
    </message>
    <message>
        <source>No default printer is set up. You can save the report as a PDF instead: press Save and choose &quot;PDF document&quot;.</source>
        <extracomment>&quot;PDF document&quot; is the second file type of the Save dialog, as translated there.</extracomment>
        <translation>Es ist kein Standarddrucker eingerichtet. Du kannst den Bericht stattdessen als PDF speichern: Klicke auf Speichern und wähle „PDF-Dokument“.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <extracomment>The second file type of the save dialog: keep &quot; (*.pdf)&quot; as it is.</extracomment>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save the report to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason the system gives.</extracomment>
        <translation>Der Bericht konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Zel Mayan Animal Sign Report</source>
        <extracomment>Screen readers only: the report window&apos;s name.</extracomment>
        <translation>Bericht von Zel Mayan Animal Sign</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A banner of three lines in a fixed box. The two spaces after the first sentence and the four before the last are meant: keep them. The &amp; is a literal ampersand, not an access key; &quot;Help&quot; is the Help menu.</extracomment>
        <translation>Versieh dieses Programm mit deiner Marke.  Mehr Stammbesucher für deine Website: Hier stehen Name und Link deiner Seite. Details unter „Hilfe“.    Hier klicken für mehr Infos zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A banner of three lines in a fixed box; the whole banner is the link.</extracomment>
        <translation>Geschäftsidee für zu Hause: Starte dein Internetgeschäft und verdiene online Geld. Hol dir dieses Programm mit deiner eigenen Marke. Hier klicken für Details.</translation>
    </message>
    <message>
        <source>Zel Mayan Animal Sign Result</source>
        <extracomment>&quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Ergebnis von Zel Mayan Animal Sign</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>Crystal</source>
        <extracomment>Caption of the sign&apos;s crystal (gemstone).</extracomment>
        <translation>Kristall</translation>
    </message>
    <message>
        <source>English Name</source>
        <extracomment>Caption of the animal&apos;s name in the reader&apos;s own language, as opposed to its Mayan name.</extracomment>
        <translation>Deutscher Name</translation>
    </message>
    <message>
        <source>Mayan Animal Moon Sign</source>
        <extracomment>Caption of the sign&apos;s Mayan name.</extracomment>
        <translation>Maya-Mondtierzeichen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button, and in the result window a File menu entry too: its access key must not be the File menu&apos;s own.</extracomment>
        <translation>D&amp;rucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Über das Programm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online Geld &amp;verdienen</translation>
    </message>
    <message>
        <source>Picture of the bat</source>
        <translation>Bild der Fledermaus</translation>
    </message>
    <message>
        <source>Picture of the scorpion</source>
        <translation>Bild des Skorpions</translation>
    </message>
    <message>
        <source>Picture of the deer</source>
        <translation>Bild des Hirschs</translation>
    </message>
    <message>
        <source>Picture of the owl</source>
        <translation>Bild der Eule</translation>
    </message>
    <message>
        <source>Picture of the peacock</source>
        <translation>Bild des Pfaus</translation>
    </message>
    <message>
        <source>Picture of the lizard</source>
        <translation>Bild der Eidechse</translation>
    </message>
    <message>
        <source>Picture of the monkey</source>
        <translation>Bild des Affen</translation>
    </message>
    <message>
        <source>Picture of the hawk</source>
        <translation>Bild des Falken</translation>
    </message>
    <message>
        <source>Picture of the jaguar</source>
        <translation>Bild des Jaguars</translation>
    </message>
    <message>
        <source>Picture of the dog</source>
        <translation>Bild des Hundes</translation>
    </message>
    <message>
        <source>Picture of the snake</source>
        <translation>Bild der Schlange</translation>
    </message>
    <message>
        <source>Picture of the rabbit</source>
        <translation>Bild des Kaninchens</translation>
    </message>
    <message>
        <source>Picture of the turtle</source>
        <translation>Bild der Schildkröte</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <extracomment>Screen readers only: the result window&apos;s name. %1 is the frame&apos;s title (&quot;Zel Mayan Animal Sign Result&quot;), %2 the Mayan name, %3 the animal, %4 the crystal.</extracomment>
        <translation>%1: %2, %3, %4</translation>
    </message>
</context>
<context>
    <name>SavedReadingFile</name>
    <message>
        <source>The name is too long to be saved.</source>
        <translation>Der Name ist zu lang zum Speichern.</translation>
    </message>
</context>
<context>
    <name>SignTable</name>
    <message>
        <source>The bat is the first moon sign of the Mayan calendar, and those who carry it share the bat&apos;s gift for finding their way where others see only darkness. You sense what is going on around you before anyone says a word, and you trust that inner radar more than any map. To the Maya the bat was a messenger between the visible world and the hidden one, so no wonder you are drawn to questions most people never ask. You are sociable in small circles, loyal to the few you let come close, and happiest when you keep your own hours. Your weakness is a tendency to hide when you feel misunderstood. Step into the light now and then: the world needs your insight, and your friends miss you more than you know.</source>
        <extracomment>Tzootz, the bat. At most nine lines in the result window.</extracomment>
        <translation>Die Fledermaus ist das erste Mondzeichen des Maya-Kalenders, und wer unter ihr geboren ist, teilt ihre Gabe, den Weg dort zu finden, wo andere nur Dunkelheit sehen. Du spürst, was um dich herum geschieht, bevor jemand ein Wort sagt, und du vertraust diesem inneren Radar mehr als jeder Landkarte. Für die Maya war die Fledermaus eine Botin zwischen der sichtbaren und der verborgenen Welt – kein Wunder also, dass dich Fragen reizen, die sich die meisten nie stellen. In kleiner Runde bist du gesellig, den wenigen, die du an dich heranlässt, bist du treu, und am glücklichsten bist du, wenn du deinem eigenen Rhythmus folgst. Deine Schwäche ist die Neigung, dich zu verstecken, wenn du dich missverstanden fühlst. Tritt ab und zu ins Licht: Die Welt braucht dein Gespür, und deine Freunde vermissen dich mehr, als du ahnst.</translation>
    </message>
    <message>
        <source>People born under this sign thrive on challenges. Like the scorpion, you are built for harsh places, and a difficult task wakes you up rather than wearing you down. You prefer to work quietly and strike at the right moment, which is why others often underestimate you until the job is already done. The Maya linked the scorpion with the hunt and with sacrifice, and you too are willing to give up comfort for a goal you believe in. You are fiercely protective of your family and your friends, and your loyalty, once earned, does not waver. At the same time you guard your own feelings behind a tough shell, and people may find you hard to read. Your sting is sharp when you feel betrayed, so learn to pause before you answer an insult. When you let people see the warm heart under the armour, you will find that they are far more ready to help you than you expected.</source>
        <extracomment>Dzec, the scorpion. At most nine lines in the result window.</extracomment>
        <translation>Wer unter diesem Zeichen geboren ist, blüht bei Herausforderungen auf. Wie der Skorpion bist du für raue Gegenden gemacht, und eine schwierige Aufgabe spornt dich an, statt dich zu zermürben. Du arbeitest lieber im Stillen und schlägst im richtigen Moment zu – deshalb unterschätzen dich andere oft, bis die Arbeit erledigt ist. Die Maya verbanden den Skorpion mit der Jagd und dem Opfer, und auch du verzichtest für ein Ziel, an das du glaubst, gern auf Bequemlichkeit. Familie und Freunde beschützt du leidenschaftlich, und deine einmal gewonnene Treue wankt nicht. Deine Gefühle verbirgst du hinter einem harten Panzer, und viele können dich schwer durchschauen. Fühlst du dich verraten, sticht dein Stachel scharf; halte inne, bevor du auf eine Kränkung antwortest. Wenn du das warme Herz unter der Rüstung zeigst, wirst du merken, dass andere dir bereitwilliger helfen, als du erwartet hast.</translation>
    </message>
    <message>
        <source>The third sign of Mayan moon sign is deer. People born under the deer are gentle, graceful and alert, with a natural elegance that others notice the moment they enter a room. The Maya saw the stag as a noble animal that was also a gift of the forest, and you have that same generous spirit: you give your time and attention freely and you hate to see anybody left out. You are sensitive to atmosphere and quick to pick up a change of mood, which makes you a loyal friend and a careful listener. Your trusting nature can make you seem naïve, and now and then someone will take advantage of your kindness. You also tend to run from conflict rather than face it. Learn to stand your ground when it matters, because your quiet pride and your sense of fairness are stronger than you believe, and people respect a deer that does not bolt.</source>
        <extracomment>Keh, the deer or stag. At most nine lines in the result window.</extracomment>
        <translation>Das dritte Zeichen des Maya-Mondkalenders ist der Hirsch. Du bist sanft, anmutig und wachsam, mit einer natürlichen Eleganz, die allen sofort auffällt, sobald du einen Raum betrittst. Die Maya sahen im Hirsch ein edles Tier und zugleich ein Geschenk des Waldes, und du hast denselben großzügigen Geist: Du schenkst deine Zeit und Aufmerksamkeit gern und erträgst es nicht, wenn jemand ausgeschlossen wird. Du spürst Stimmungen genau und merkst schnell, wenn sie umschlagen – das macht dich zu einer treuen Seele, die gut zuhören kann. Dein Vertrauen kann naiv wirken, und hin und wieder nutzt jemand deine Güte aus. Konflikten gehst du lieber aus dem Weg, statt dich ihnen zu stellen. Lerne, standhaft zu bleiben, wenn es darauf ankommt, denn dein stiller Stolz und dein Sinn für Gerechtigkeit sind stärker, als du glaubst – und einen Hirsch, der nicht flieht, respektiert man.</translation>
    </message>
    <message>
        <source>In many cultures, especially in western culture, the owl stands for wisdom, and for the Maya it was a night bird that carried messages from the spirit world. People born under the owl live partly in that unseen realm. You are intuitive, observant and often a little mysterious, and you notice the small details that everyone else walks past. Your dreams can be vivid and your hunches are frequently correct, so it pays to listen to them. You prefer deep conversation to small talk and would rather have one true friend than a crowd of acquaintances. Because you think so much, you can slip into worry or keep to yourself too long. Share what you see with those you trust: your insight is a gift that grows when it is given away.</source>
        <extracomment>Moan, the owl. At most nine lines in the result window.</extracomment>
        <translation>In vielen Kulturen, besonders im Westen, steht die Eule für Weisheit, und für die Maya war sie ein Nachtvogel, der Botschaften aus der Geisterwelt überbrachte. Wer unter der Eule geboren ist, lebt zum Teil in diesem unsichtbaren Reich. Du bist intuitiv, aufmerksam und oft ein wenig geheimnisvoll, und dir fallen die kleinen Dinge auf, an denen alle anderen vorbeigehen. Deine Träume können sehr lebhaft sein, und deine Ahnungen treffen oft zu – es lohnt sich also, auf sie zu hören. Ein tiefes Gespräch ist dir lieber als Smalltalk, und ein wahrer Freund bedeutet dir mehr als eine Schar von Bekannten. Weil du so viel nachdenkst, kannst du ins Grübeln geraten oder dich zu lange zurückziehen. Teile, was du siehst, mit denen, denen du vertraust: Dein Gespür ist ein Geschenk, das wächst, wenn man es weitergibt.</translation>
    </message>
    <message>
        <source>The fifth moon of the Mayan calendar belongs to the peacock, and people born under it are hard to overlook. You have a flair for colour and style, and you know how to make an entrance. Your charm is genuine rather than put on: you enjoy people, you like to entertain them, and you are at your best with an audience. The Maya prized the peacock&apos;s brilliant feathers as a sign of splendour and success, and you too tend to attract attention, opportunities and admirers wherever you go. You are ambitious and generous in equal measure, and you like to share your good fortune with those around you. The shadow side of this sign is pride. You can be hurt by criticism and may chase praise a little too eagerly. Remember that your real worth lies in your warmth and your confidence, not in your feathers, and the people who matter will love you all the more for it.</source>
        <extracomment>Cutz, the peacock. At most nine lines in the result window.</extracomment>
        <translation>Der fünfte Mond des Maya-Kalenders gehört dem Pfau, und wer unter ihm geboren ist, wird kaum übersehen. Du hast ein Gespür für Farbe und Stil und weißt, wie man einen Auftritt hinlegt. Dein Charme ist echt und nicht aufgesetzt: Du magst Menschen, unterhältst sie gern und bist vor Publikum in Bestform. Die Maya schätzten die prächtigen Federn des Pfaus als Zeichen von Glanz und Erfolg, und auch du ziehst Aufmerksamkeit, Chancen und Bewunderer an, wohin du auch gehst. Du bist ehrgeizig und großzügig zugleich und teilst dein Glück gern mit den Menschen um dich herum. Die Schattenseite dieses Zeichens ist der Stolz. Kritik kann dich kränken, und vielleicht jagst du dem Lob ein wenig zu eifrig nach. Denk daran, dass dein wahrer Wert in deiner Wärme und deinem Selbstvertrauen liegt, nicht in deinen Federn – und die Menschen, auf die es ankommt, lieben dich dafür umso mehr.</translation>
    </message>
    <message>
        <source>Due to its ability to change color, the lizard is a symbol of adaptability, and people born under this sign fit into almost any company or situation. You read a room quickly and adjust your manner without losing sight of who you are. The Maya admired the lizard for its patience in the sun and its speed when it has to move, and you share that mix of calm and quick reaction. You are practical, resourceful and curious, and you rarely panic when plans change; in fact you may enjoy it. Your flexibility can, however, make you hard to pin down, and others may wonder what you really think. Let them see your true colours more often; they are more attractive than any disguise.</source>
        <extracomment>Xibkay, the lizard. At most nine lines in the result window.</extracomment>
        <translation>Weil sie ihre Farbe wechseln kann, ist die Eidechse ein Sinnbild der Anpassungsfähigkeit, und wer unter diesem Zeichen geboren ist, findet sich in fast jeder Gesellschaft und Lage zurecht. Du erfasst schnell die Stimmung in einem Raum und passt dein Auftreten an, ohne aus den Augen zu verlieren, wer du bist. Die Maya bewunderten die Eidechse für ihre Geduld in der Sonne und ihre Schnelligkeit, wenn sie sich bewegen muss, und du teilst diese Mischung aus Ruhe und rascher Reaktion. Du bist praktisch veranlagt, einfallsreich und neugierig und gerätst selten in Panik, wenn sich Pläne ändern; vielleicht genießt du es sogar. Deine Wandlungsfähigkeit macht es allerdings schwer, dich einzuordnen, und andere fragen sich womöglich, was du eigentlich denkst. Zeig ihnen öfter, wie du wirklich bist – das ist anziehender als jede Verkleidung.</translation>
    </message>
    <message>
        <source>&apos;Batz&apos; is the Mayan name for monkey. In Mayan stories the monkey was a patron of the arts, of music, writing and craft, and people born under this sign carry that creative spark. You are playful, clever and endlessly curious, and you can turn a dull afternoon into something memorable. Your sense of humour helps you make friends easily, and you have a way of solving problems that others find unusual but that usually works. You learn fast and love to try new things, although you may lose interest once the novelty wears off. Underneath the jokes you are more sensitive than you let on, and you care deeply about being accepted. Give your best ideas the time they need to grow, and do not be afraid to be serious now and again. Your talent is real, and it deserves to be finished as well as started.</source>
        <extracomment>Batz, the monkey. At most nine lines in the result window.</extracomment>
        <translation>„Batz“ ist der Maya-Name für den Affen. In den Erzählungen der Maya war der Affe ein Schutzherr der Künste, der Musik, der Schrift und des Handwerks, und wer unter diesem Zeichen geboren ist, trägt diesen schöpferischen Funken in sich. Du bist verspielt, klug und unendlich neugierig und kannst einen öden Nachmittag in etwas Unvergessliches verwandeln. Dank deines Humors findest du leicht Freunde, und du löst Probleme auf eine Art, die andere ungewöhnlich finden, die aber meistens funktioniert. Du lernst schnell und probierst gern Neues aus, auch wenn dein Interesse nachlässt, sobald der Reiz verflogen ist. Hinter den Späßen bist du empfindsamer, als du zeigst, und es ist dir wichtig, angenommen zu werden. Gib deinen besten Ideen die Zeit, die sie brauchen, und hab keine Angst, auch einmal ernst zu sein. Dein Talent ist echt – bring deine Projekte auch zu Ende, statt sie nur anzufangen.</translation>
    </message>
    <message>
        <source>The eighth moon sign of the Mayan calendar is the hawk, a bird that sees the whole landscape from high above. People born under it have a sharp, clear mind and the ability to spot an opportunity long before others do. You are decisive and focused, and once you have set your sights on something you go after it with remarkable determination. The Maya linked the hawk with the sun and with vision, and you too bring light and direction to those around you; people often turn to you for leadership. You value freedom and dislike being told what to do, which can make teamwork a real challenge. Your high standards may also make you impatient with slower thinkers. Try to share your view from above with kindness, and you will find that others are happy to follow where you lead.</source>
        <extracomment>Coz, the hawk. At most nine lines in the result window.</extracomment>
        <translation>Das achte Mondzeichen des Maya-Kalenders ist der Falke, ein Vogel, der die ganze Landschaft von hoch oben überblickt. Wer unter ihm geboren ist, hat einen scharfen, klaren Verstand und erkennt Chancen lange vor den anderen. Du bist entschlossen und zielstrebig, und hast du dir etwas vorgenommen, verfolgst du es mit bemerkenswerter Ausdauer. Die Maya verbanden den Falken mit der Sonne und dem Sehen, und auch du bringst den Menschen um dich herum Licht und Richtung; oft erwarten sie, dass du die Führung übernimmst. Du schätzt deine Freiheit und lässt dir ungern sagen, was du tun sollst, was Teamarbeit zu einer echten Herausforderung machen kann. Deine hohen Ansprüche können dich außerdem ungeduldig gegenüber Menschen machen, die langsamer denken. Teile deinen Blick von oben freundlich mit anderen, dann wirst du sehen, dass sie dir gern folgen, wohin du sie führst.</translation>
    </message>
    <message>
        <source>Profoundly revered in Mayan culture, the Jaguar was the animal of kings, warriors and priests, a guardian of the night and of the underworld. People born under this sign have a natural authority and a quiet power that others feel at once. You are strong, confident and self-reliant, and you move through life with an easy grace that hides how hard you work. You are fiercely protective of your family, your home and your principles, and you will not back down when something you care about is threatened. You also have a deep spiritual side and may feel drawn to ancient traditions and hidden knowledge. Because you are so independent, you can at times seem distant or proud. Let the people you love see your softer side, and your strength will become a shelter for them rather than a wall.</source>
        <extracomment>Jaguar, whose animal is the Balam. At most nine lines in the result window.</extracomment>
        <translation>Der Jaguar wurde in der Kultur der Maya zutiefst verehrt: Er war das Tier der Könige, Krieger und Priester, ein Wächter der Nacht und der Unterwelt. Wer unter diesem Zeichen geboren ist, besitzt eine natürliche Autorität und eine stille Kraft, die andere sofort spüren. Du bist stark, selbstsicher und eigenständig und gehst mit einer mühelosen Anmut durchs Leben, die verbirgt, wie hart du arbeitest. Deine Familie, dein Zuhause und deine Grundsätze verteidigst du leidenschaftlich, und du weichst nicht zurück, wenn etwas bedroht ist, das dir am Herzen liegt. Du hast außerdem eine tiefe spirituelle Seite und fühlst dich vielleicht zu alten Traditionen und verborgenem Wissen hingezogen. Weil du so unabhängig bist, wirkst du manchmal distanziert oder stolz. Lass die Menschen, die du liebst, deine sanfte Seite sehen, dann wird deine Stärke für sie zu einem Schutz und nicht zu einer Mauer.</translation>
    </message>
    <message>
        <source>In Mayan language, Dog is called &apos;Pek&apos;. The Maya believed that the dog guided souls safely through the underworld, and people born under this sign are guides and companions in everyday life too. You are loyal, honest and dependable, the friend who turns up when you are needed and stays until the work is done. You have a strong sense of right and wrong and you speak up for anyone who is treated unfairly. You are a tireless worker. Family and home matter a great deal to you, and you are happiest when the people you love are close by. Your devotion is your great gift, but it can also make you possessive or anxious when you feel left out. Remember to look after yourself as carefully as you look after everyone else, and trust that the love you give so freely will come back to you.</source>
        <extracomment>Pek, the dog. At most nine lines in the result window.</extracomment>
        <translation>In der Sprache der Maya heißt der Hund „Pek“. Die Maya glaubten, dass der Hund die Seelen sicher durch die Unterwelt geleitete, und wer unter diesem Zeichen geboren ist, ist auch im Alltag Begleiter und Wegweiser. Du bist treu, ehrlich und verlässlich – der Mensch, der zur Stelle ist, wenn man ihn braucht, und bleibt, bis die Arbeit getan ist. Du hast ein feines Gespür für Recht und Unrecht und setzt dich für alle ein, die ungerecht behandelt werden. Du arbeitest unermüdlich. Familie und Zuhause bedeuten dir viel, und am glücklichsten bist du, wenn die Menschen, die du liebst, in deiner Nähe sind. Deine Hingabe ist deine große Gabe, doch sie kann dich auch besitzergreifend oder ängstlich machen, wenn du dich ausgeschlossen fühlst. Denk daran, für dich selbst so gut zu sorgen wie für alle anderen, und vertrau darauf, dass die Liebe, die du so großzügig schenkst, zu dir zurückkommt.</translation>
    </message>
    <message>
        <source>The snake signifies healing power in Mayan culture. It sheds its skin and is renewed, and people born under this sign have the same capacity to heal, to change and to begin again. You are perceptive, calm and wise beyond your years, and others often come to you for comfort or advice. You have a strong, almost physical sense of people&apos;s feelings, and you may be drawn to medicine, counselling or any work that helps others recover. You tend to keep your own troubles hidden, and you can hold on to old hurts longer than is good for you. When you are under pressure you may become cold, guarded or secretive. Let go of what no longer serves you, just as the snake leaves its old skin behind, and you will discover how much fresh energy is still waiting for you.</source>
        <extracomment>Kaw, the snake. At most nine lines in the result window.</extracomment>
        <translation>Die Schlange steht in der Kultur der Maya für Heilkraft. Sie häutet sich und erneuert sich, und wer unter diesem Zeichen geboren ist, hat dieselbe Fähigkeit, zu heilen, sich zu wandeln und neu anzufangen. Du bist scharfsinnig, ruhig und weiser, als dein Alter vermuten lässt, und andere kommen oft zu dir, um Trost oder Rat zu suchen. Du spürst die Gefühle anderer stark, fast körperlich, und fühlst dich vielleicht zur Medizin, zur Beratung oder zu jeder Arbeit hingezogen, die anderen hilft, zu genesen. Deine eigenen Sorgen behältst du meist für dich, und alte Kränkungen hältst du oft länger fest, als dir guttut. Unter Druck kannst du kühl, verschlossen oder geheimnistuerisch werden. Lass los, was dir nicht mehr dient, so wie die Schlange ihre alte Haut zurücklässt, und du wirst entdecken, wie viel frische Energie noch auf dich wartet.</translation>
    </message>
    <message>
        <source>Some of the rabbit-like qualities like restlessness, quickness and a lively imagination are clear in people born under this sign. The Maya connected the rabbit with the moon and with fertility, and you have a creative, playful mind that is always full of new plans. You are friendly, witty and good company, and your cheerful mood lifts the spirits of everyone around you. Your laughter is quick and infectious. You love games, puzzles and anything clever, and you have a knack for finding a smart way out of a tight spot. Because you enjoy novelty, you may jump from one project to the next and leave some of them unfinished. You can also be shy under the surface and uneasy in conflict. Give your ideas a home and the patience they need, and you will see that your imagination can build something lasting as well as delightful.</source>
        <extracomment>Tzub, the rabbit. At most nine lines in the result window.</extracomment>
        <translation>Einige typische Eigenschaften des Kaninchens wie Rastlosigkeit, Schnelligkeit und eine lebhafte Fantasie sind bei Menschen dieses Zeichens deutlich zu erkennen. Die Maya verbanden das Kaninchen mit Mond und Fruchtbarkeit, und du hast einen kreativen, verspielten Geist, der stets voller neuer Pläne ist. Du bist freundlich, witzig und eine angenehme Gesellschaft, und deine fröhliche Art hebt die Stimmung. Dein Lachen kommt schnell und steckt an. Du liebst Spiele, Rätsel und alles Raffinierte und findest aus jeder Klemme einen klugen Ausweg. Weil du das Neue liebst, springst du vielleicht von einem Vorhaben zum nächsten und lässt manches unvollendet. Manchmal bist du schüchtern, und Konflikte sind dir unangenehm. Gib deinen Ideen ein Zuhause und die Geduld, die sie brauchen, dann siehst du, dass deine Fantasie etwas Beständiges und zugleich Bezauberndes schaffen kann.</translation>
    </message>
    <message>
        <source>The turtle moon is the 13th moon of the Mayan calendar, and for the Maya the turtle carried the world on its back. People born under this sign are steady, patient and deeply reliable, the calm centre that others gather around. You are never in a hurry, but you always arrive in the end, and your careful approach means that what you build tends to last. You have a strong bond with home and family and a great respect for tradition and for the wisdom of older generations. You take your time before you trust someone, but once you do, your loyalty is complete. Your caution can make you rather stubborn or slow to accept new things, and you may withdraw into your shell when life feels too loud. Remember that even a turtle has to poke its head out to move forward, and that your quiet strength is exactly what a restless world needs.</source>
        <extracomment>Aak, the turtle or tortoise. At most nine lines in the result window.</extracomment>
        <translation>Der Schildkrötenmond ist der 13. Mond des Maya-Kalenders, und für die Maya trug die Schildkröte die Welt auf ihrem Rücken. Wer unter diesem Zeichen geboren ist, ist beständig, geduldig und verlässlich – die ruhige Mitte, um die sich andere versammeln. Du hast es nie eilig, aber du kommst immer ans Ziel, und weil du so sorgfältig vorgehst, hat das, was du aufbaust, Bestand. Du bist eng mit Heim und Familie verbunden und hast großen Respekt vor Traditionen und vor der Weisheit der Älteren. Du nimmst dir Zeit, bevor du jemandem vertraust, doch dann ist deine Treue vollkommen. Deine Vorsicht kann dich etwas stur machen oder zögern lassen, Neues anzunehmen, und wenn dir das Leben zu laut wird, ziehst du dich in deinen Panzer zurück. Denk daran, dass selbst eine Schildkröte den Kopf herausstrecken muss, um voranzukommen, und dass deine stille Stärke das ist, was eine rastlose Welt braucht.</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Fledermaus</translation>
    </message>
    <message>
        <source>Rainbow Obsidan</source>
        <extracomment>A crystal; the English misspells &quot;Rainbow Obsidian&quot;.</extracomment>
        <translation>Regenbogen-Obsidian</translation>
    </message>
    <message>
        <source>Scorpion</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Yellow Topaz</source>
        <translation>Gelber Topas</translation>
    </message>
    <message>
        <source>Deer / Stag</source>
        <translation>Hirsch</translation>
    </message>
    <message>
        <source>Cymophaene</source>
        <extracomment>A crystal: cymophane, the cat&apos;s-eye chrysoberyl.</extracomment>
        <translation>Cymophan</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Eule</translation>
    </message>
    <message>
        <source>Fire Opal</source>
        <translation>Feueropal</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Pfau</translation>
    </message>
    <message>
        <source>Red Topaz</source>
        <translation>Roter Topas</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>Eidechse</translation>
    </message>
    <message>
        <source>Garnet And Ruby</source>
        <translation>Granat und Rubin</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Affe</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Perle</translation>
    </message>
    <message>
        <source>Hawk</source>
        <translation>Falke</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amethyst</translation>
    </message>
    <message>
        <source>Balam</source>
        <extracomment>The Mayan word for jaguar, shown as this sign&apos;s animal under the caption of the animal&apos;s name in the reader&apos;s own language: the language&apos;s own name for the jaguar.</extracomment>
        <translation>Jaguar</translation>
    </message>
    <message>
        <source>Alexandrite</source>
        <translation>Alexandrit</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Emereld</source>
        <extracomment>A crystal; the English misspells &quot;Emerald&quot;.</extracomment>
        <translation>Smaragd</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Kaninchen</translation>
    </message>
    <message>
        <source>Malaquite</source>
        <extracomment>A crystal; the English misspells &quot;Malachite&quot;.</extracomment>
        <translation>Malachit</translation>
    </message>
    <message>
        <source>Turtle / Tortoise</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>Serpentine</source>
        <translation>Serpentin</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>The month.</extracomment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <extracomment>Shown when the program is started while another copy of it runs.</extracomment>
        <translation>Das Programm läuft bereits.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <extracomment>First line of the question at start-up; the English &quot;maybe&quot; is meant as &quot;may be&quot;.</extracomment>
        <translation>Für dieses Programm ist möglicherweise ein Update verfügbar.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <extracomment>Second line of the question, answered Yes or No.</extracomment>
        <translation>Möchtest du nach einem Update suchen?</translation>
    </message>
</context>
</TS>
