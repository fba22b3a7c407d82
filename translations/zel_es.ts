<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Zel Mayan Animal Sign icon</source>
        <extracomment>Screen readers only: the program&apos;s icon. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Icono de Zel Mayan Animal Sign</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Two lines in a fixed box.</extracomment>
        <translation>Negocio desde casa: crea tu propio negocio en Internet y gana dinero en línea. Ofrece este programa con la marca de tu web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <extracomment>One line; grows to the right up to the window&apos;s edge.</extracomment>
        <translation>Haz clic para saber más</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>A link of one line, at most 277 pixels wide with the site&apos;s address (%1).</extracomment>
        <translation>Visita %1</translation>
    </message>
    <message>
        <source>About Zel Mayan Animal Sign</source>
        <extracomment>Screen readers only: the About window&apos;s name.</extracomment>
        <translation>Acerca de Zel Mayan Animal Sign</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Find your Mayan animal moon sign from your name and birth date</source>
        <translation>Descubre tu signo animal lunar maya a partir de tu nombre y tu fecha de nacimiento</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>A saved reading (.zod) to open.</source>
        <translation>Lectura guardada (.zod) que se abrirá.</translation>
    </message>
    <message>
        <source>Only one saved reading can be opened at a time.</source>
        <translation>Solo se puede abrir una lectura guardada a la vez.</translation>
    </message>
</context>
<context>
    <name>ExitAppealWindow</name>
    <message>
        <source>Zel Mayan Animal Sign icon</source>
        <extracomment>Screen readers only: the program&apos;s icon. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Icono de Zel Mayan Animal Sign</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <extracomment>&quot;Velmora Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>Descarga nuestros programas</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <extracomment>One line, 239 pixels wide. &quot;Velmora Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>Visita Velmora Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomiéndanos a un amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>A check box that works as a link; %1 is the site&apos;s address.</extracomment>
        <translation>Haz clic aquí y visita %1 ahora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>Shown when a space is typed into an address box.</extracomment>
        <translation>La dirección de correo no puede contener espacios.</translation>
    </message>
    <message>
        <source>Before You Go: Support Zel Mayan Animal Sign</source>
        <extracomment>Screen readers only: the name of the window shown when the program ends, which asks for support and offers to tell a friend.</extracomment>
        <translation>Antes de irte: apoya Zel Mayan Animal Sign</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Know your Mayan Animal Sign Personality now.  Zel Mayan Animal Sign gives you the result based on your date if birth. Get started now!</source>
        <extracomment>Two centred lines in a fixed box; two spaces after the first sentence. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Descubre ahora la personalidad de tu signo animal maya.  Zel Mayan Animal Sign te la revela según tu fecha de nacimiento. ¡Empieza ya!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A banner of three lines in a fixed box. The two spaces after the first sentence and the four before the last are meant: keep them. The &amp; is a literal ampersand, not an access key; &quot;Help&quot; is the Help menu.</extracomment>
        <translation>Personaliza este programa con la marca de tu web.  Gana visitas y fideliza a tu público: pon aquí el nombre y el enlace de tu web. Consulta la «Ayuda».    Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A banner of three lines in a fixed box; the whole banner is the link.</extracomment>
        <translation>Negocio desde casa: crea tu propio negocio en Internet y gana dinero en línea. Ofrece este programa con la marca de tu web. Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>Abrir una lectura &amp;guardada</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <extracomment>Caption in front of the month, day and year lists (the date of birth): about 66 pixels wide.</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Caption in front of the name box: about 46 pixels wide; a longer one grows to the left, up to about 64 pixels.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>Birth day</source>
        <extracomment>Screen readers only: the day of the month of the birth date.</extracomment>
        <translation>Día de nacimiento</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>Mes de nacimiento</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>name box</comment>
        <extracomment>Screen readers only: the name box.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;Find My Mayan Animal Sign</source>
        <translation>&amp;Buscar mi signo animal maya</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Find My Mayan Animal Moon Sign</source>
        <translation>&amp;Buscar mi signo animal lunar maya</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestra web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca &amp;de este programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre, por favor.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <extracomment>Title of the dialog that opens a saved reading.</extracomment>
        <translation>Seleccionar el archivo que quieres abrir</translation>
    </message>
    <message>
        <source>Zel Free Zodiac Signs (*.zod)</source>
        <extracomment>File type of the open dialog: keep &quot; (*.zod)&quot; as it is. &quot;Zel Free&quot; is the maker&apos;s name for its free programs.</extracomment>
        <translation>Signos zodiacales Zel Free (*.zod)</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <extracomment>The chosen file is not a saved reading.</extracomment>
        <translation>Comprueba el archivo, por favor.</translation>
    </message>
</context>
<context>
    <name>PageLinks</name>
    <message>
        <source>The most popular occult discussion board online. Your best astrology resource! Visit %1 Now</source>
        <extracomment>The link at the top of the main, result and report windows, in a fixed box of two lines; %1 is the site&apos;s address.</extracomment>
        <translation>El foro de ocultismo más popular de Internet. ¡Tu mejor fuente de astrología! Visita %1 ahora</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Zel Mayan Animal Sign finds your Mayan animal sign from your date of birth. Each animal of the Mayan zodiac is attributed with different characteristics which are reflected in your personality.</source>
        <extracomment>Followed by the rights notice &quot; © Velmora Softwares, &lt;site address&gt;.&quot;, all in a fixed box of four lines. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Zel Mayan Animal Sign averigua tu signo animal maya a partir de tu fecha de nacimiento. A cada animal del zodiaco maya se le atribuyen rasgos propios que se reflejan en tu personalidad.</translation>
    </message>
    <message>
        <source>Programs by Velmora Softwares can only be created and maintained with your support. Your best support is to visit our discussion board at %1 regularly and to join in its discussions and other activities.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>Los programas de Velmora Softwares solo pueden crearse y mantenerse con tu apoyo. La mejor forma de apoyarnos es visitar a menudo nuestro foro en %1 y participar en sus debates y actividades.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and take part in the discussions and activities there. Without regular visits from loyal users like you, we simply cannot support and maintain our free programs.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>Visita %1 a menudo y participa en sus debates y actividades. Sin las visitas habituales de usuarios fieles como tú, sencillamente no podemos mantener nuestros programas gratuitos.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>%1 es un foro gratuito en línea sobre todos los temas esotéricos. Para ayudarnos a desarrollar y mantener este programa, visítalo con regularidad.</translation>
    </message>
    <message>
        <source>%1 needs your help! Visit it regularly and take part in its discussions and activities to help us maintain this program and develop many more programs by Velmora Softwares.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>¡%1 necesita tu ayuda! Visítalo a menudo y participa en sus debates y actividades para ayudarnos a mantener este programa y crear muchos más de Velmora Softwares.</translation>
    </message>
    <message>
        <source>If you enjoyed Zel Mayan Animal Sign, why not try our other programs? Velmora Softwares makes a whole range of software in astrology, psychic readings, tarot, numerology and the occult. Each one is simple to use, informative and fun, and a good companion for anyone curious about the hidden side of life. Have a look and find your next favourite.</source>
        <extracomment>Beside the maker&apos;s catalogue, in a fixed box 233 by 257 pixels.</extracomment>
        <translation>Si te ha gustado Zel Mayan Animal Sign, ¿por qué no pruebas nuestros otros programas? Velmora Softwares ofrece toda una gama de programas de astrología, videncia, tarot, numerología y ocultismo. Cada uno es fácil de usar, informativo y divertido: un buen compañero para quien sienta curiosidad por el lado oculto de la vida. Échales un vistazo y descubre tu nuevo favorito.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>The person&apos;s address and the friend&apos;s are the same.</extracomment>
        <translation>Escribe dos direcciones de correo distintas, por favor.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escribe una dirección de correo válida, por favor.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre, por favor.</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escribe tu correo electrónico, por favor.</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje, por favor.</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escribe el nombre de tu amigo, por favor.</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escribe el correo electrónico de tu amigo, por favor.</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A banner of three lines in a fixed box; the whole banner is the link.</extracomment>
        <translation>Negocio desde casa: crea tu propio negocio en Internet y gana dinero en línea. Ofrece este programa con la marca de tu web. Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A banner of three lines in a fixed box. The two spaces after the first sentence and the four before the last are meant: keep them. The &amp; is a literal ampersand, not an access key; &quot;Help&quot; is the Help menu.</extracomment>
        <translation>Personaliza este programa con la marca de tu web.  Gana visitas y fideliza a tu público: pon aquí el nombre y el enlace de tu web. Consulta la «Ayuda».    Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button, and in the result window a File menu entry too: its access key must not be the File menu&apos;s own.</extracomment>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>The date of birth in the report: %1 the month&apos;s name, %2 the day, %3 the year, as in &quot;March 7, 1990&quot;.</extracomment>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>Name: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Fecha de nacimiento: </translation>
    </message>
    <message>
        <source>Mayan Animal Moon Sign: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Signo animal lunar maya: </translation>
    </message>
    <message>
        <source>English Name: </source>
        <extracomment>A label of the report, followed directly by the animal&apos;s name in the reader&apos;s own language (as opposed to its Mayan name); it ends with a space.</extracomment>
        <translation>Nombre en español: </translation>
    </message>
    <message>
        <source>Crystal: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Cristal: </translation>
    </message>
    <message>
        <source>Interpretation: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Interpretación: </translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <extracomment>The footer under every section of the report; %1 is the site&apos;s address.</extracomment>
        <translation>Informe generado por %1</translation>
    </message>
    <message>
        <source>Zel Mayan Animal Sign - %1</source>
        <extracomment>The print job&apos;s name in the printer queue: the program&apos;s name and the person&apos;s (%1).</extracomment>
        <translation>Zel Mayan Animal Sign - %1</translation>
    </message>
    <message>
        <source>The report could not be sent to the printer %1.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>No se pudo enviar el informe a la impresora %1.</translation>
    </message>
    <message>
        <source>Save Your Zodiac Signs Result ....</source>
        <extracomment>Title of the save dialog; the space and four dots at the end are the program&apos;s style.</extracomment>
        <translation>Guardar el resultado de tu signo ....</translation>
    </message>
    <message>
        <source>Rich Text Format (*.zod)</source>
        <extracomment>File type of the save dialog: keep &quot; (*.zod)&quot; as it is.</extracomment>
        <translation>Formato de texto enriquecido (*.zod)</translation>
    </message>
    <message>
        <source>Could not save the reading to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason the system gives.</extracomment>
        <translation>No se pudo guardar la lectura en %1: %2</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>first of a month</comment>
        <extracomment>The date of birth in the report when it falls on the first of a month: %1 the month&apos;s name, %2 the day (1), %3 the year, as in &quot;March 1, 1990&quot;.</extracomment>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>No default printer is set up. You can save the report as a PDF instead: press Save and choose &quot;PDF document&quot;.</source>
        <extracomment>&quot;PDF document&quot; is the second file type of the Save dialog, as translated there.</extracomment>
        <translation>No hay ninguna impresora predeterminada configurada. Puedes guardar el informe como PDF: pulsa Guardar y elige «Documento PDF».</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <extracomment>The second file type of the save dialog: keep &quot; (*.pdf)&quot; as it is.</extracomment>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save the report to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason the system gives.</extracomment>
        <translation>No se pudo guardar el informe en %1: %2</translation>
    </message>
    <message>
        <source>Zel Mayan Animal Sign Report</source>
        <extracomment>Screen readers only: the report window&apos;s name.</extracomment>
        <translation>Informe de Zel Mayan Animal Sign</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A banner of three lines in a fixed box. The two spaces after the first sentence and the four before the last are meant: keep them. The &amp; is a literal ampersand, not an access key; &quot;Help&quot; is the Help menu.</extracomment>
        <translation>Personaliza este programa con la marca de tu web.  Gana visitas y fideliza a tu público: pon aquí el nombre y el enlace de tu web. Consulta la «Ayuda».    Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A banner of three lines in a fixed box; the whole banner is the link.</extracomment>
        <translation>Negocio desde casa: crea tu propio negocio en Internet y gana dinero en línea. Ofrece este programa con la marca de tu web. Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>Zel Mayan Animal Sign Result</source>
        <extracomment>&quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Resultado de Zel Mayan Animal Sign</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>Crystal</source>
        <extracomment>Caption of the sign&apos;s crystal (gemstone).</extracomment>
        <translation>Cristal</translation>
    </message>
    <message>
        <source>English Name</source>
        <extracomment>Caption of the animal&apos;s name in the reader&apos;s own language, as opposed to its Mayan name.</extracomment>
        <translation>Nombre en español</translation>
    </message>
    <message>
        <source>Mayan Animal Moon Sign</source>
        <extracomment>Caption of the sign&apos;s Mayan name.</extracomment>
        <translation>Signo animal lunar maya</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button, and in the result window a File menu entry too: its access key must not be the File menu&apos;s own.</extracomment>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestra web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca &amp;de este programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
    <message>
        <source>Picture of the bat</source>
        <translation>Imagen del murciélago</translation>
    </message>
    <message>
        <source>Picture of the scorpion</source>
        <translation>Imagen del escorpión</translation>
    </message>
    <message>
        <source>Picture of the deer</source>
        <translation>Imagen del ciervo</translation>
    </message>
    <message>
        <source>Picture of the owl</source>
        <translation>Imagen del búho</translation>
    </message>
    <message>
        <source>Picture of the peacock</source>
        <translation>Imagen del pavo real</translation>
    </message>
    <message>
        <source>Picture of the lizard</source>
        <translation>Imagen del lagarto</translation>
    </message>
    <message>
        <source>Picture of the monkey</source>
        <translation>Imagen del mono</translation>
    </message>
    <message>
        <source>Picture of the hawk</source>
        <translation>Imagen del halcón</translation>
    </message>
    <message>
        <source>Picture of the jaguar</source>
        <translation>Imagen del jaguar</translation>
    </message>
    <message>
        <source>Picture of the dog</source>
        <translation>Imagen del perro</translation>
    </message>
    <message>
        <source>Picture of the snake</source>
        <translation>Imagen de la serpiente</translation>
    </message>
    <message>
        <source>Picture of the rabbit</source>
        <translation>Imagen del conejo</translation>
    </message>
    <message>
        <source>Picture of the turtle</source>
        <translation>Imagen de la tortuga</translation>
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
        <translation>El nombre es demasiado largo para guardarlo.</translation>
    </message>
</context>
<context>
    <name>SignTable</name>
    <message>
        <source>The bat is the first moon sign of the Mayan calendar, and those who carry it share the bat&apos;s gift for finding their way where others see only darkness. You sense what is going on around you before anyone says a word, and you trust that inner radar more than any map. To the Maya the bat was a messenger between the visible world and the hidden one, so no wonder you are drawn to questions most people never ask. You are sociable in small circles, loyal to the few you let come close, and happiest when you keep your own hours. Your weakness is a tendency to hide when you feel misunderstood. Step into the light now and then: the world needs your insight, and your friends miss you more than you know.</source>
        <extracomment>Tzootz, the bat. At most nine lines in the result window.</extracomment>
        <translation>El murciélago es el primer signo lunar del calendario maya, y quienes lo llevan comparten su don para orientarse donde los demás solo ven oscuridad. Percibes lo que ocurre a tu alrededor antes de que nadie diga una palabra, y confías más en ese radar interior que en cualquier mapa. Para los mayas, el murciélago era un mensajero entre el mundo visible y el oculto, así que no es de extrañar que te atraigan preguntas que casi nadie se plantea. Eres sociable en círculos pequeños, leal a los pocos que dejas acercarse, y más feliz cuando sigues tu propio horario. Tu punto débil es la tendencia a esconderte cuando sientes que no te comprenden. Sal a la luz de vez en cuando: el mundo necesita tu intuición, y tus amigos te echan de menos más de lo que crees.</translation>
    </message>
    <message>
        <source>People born under this sign thrive on challenges. Like the scorpion, you are built for harsh places, and a difficult task wakes you up rather than wearing you down. You prefer to work quietly and strike at the right moment, which is why others often underestimate you until the job is already done. The Maya linked the scorpion with the hunt and with sacrifice, and you too are willing to give up comfort for a goal you believe in. You are fiercely protective of your family and your friends, and your loyalty, once earned, does not waver. At the same time you guard your own feelings behind a tough shell, and people may find you hard to read. Your sting is sharp when you feel betrayed, so learn to pause before you answer an insult. When you let people see the warm heart under the armour, you will find that they are far more ready to help you than you expected.</source>
        <extracomment>Dzec, the scorpion. At most nine lines in the result window.</extracomment>
        <translation>Las personas nacidas bajo este signo se crecen ante los desafíos. Como el escorpión, naciste para los lugares inhóspitos, y una tarea difícil te despierta en lugar de desgastarte. Prefieres trabajar en silencio y atacar en el momento justo; por eso los demás suelen subestimarte hasta que el trabajo ya está hecho. Los mayas asociaban el escorpión con la caza y el sacrificio, y tú también sabes renunciar a la comodidad por una meta en la que crees. Proteges con fiereza a tu familia y a tus amigos, y tu lealtad, una vez ganada, no flaquea. A la vez guardas tus sentimientos tras un caparazón duro, y a la gente puede costarle descifrarte. Ante una traición, tu aguijón es afilado, así que aprende a detenerte antes de responder a un insulto. Si dejas ver el corazón cálido que hay bajo la armadura, descubrirás que los demás están mucho más dispuestos a ayudarte de lo que esperabas.</translation>
    </message>
    <message>
        <source>The third sign of Mayan moon sign is deer. People born under the deer are gentle, graceful and alert, with a natural elegance that others notice the moment they enter a room. The Maya saw the stag as a noble animal that was also a gift of the forest, and you have that same generous spirit: you give your time and attention freely and you hate to see anybody left out. You are sensitive to atmosphere and quick to pick up a change of mood, which makes you a loyal friend and a careful listener. Your trusting nature can make you seem naïve, and now and then someone will take advantage of your kindness. You also tend to run from conflict rather than face it. Learn to stand your ground when it matters, because your quiet pride and your sense of fairness are stronger than you believe, and people respect a deer that does not bolt.</source>
        <extracomment>Keh, the deer or stag. At most nine lines in the result window.</extracomment>
        <translation>El tercer signo lunar maya es el ciervo. Las personas nacidas bajo el ciervo son amables, elegantes y atentas, y su gracia natural salta a la vista en cuanto entran en una sala. Los mayas veían en el ciervo un animal noble que era también un regalo del bosque, y tú tienes ese mismo espíritu generoso: das tu tiempo y tu atención sin reservas y no soportas ver a nadie excluido. Eres sensible al ambiente y captas enseguida un cambio de humor, lo que te convierte en una amistad leal y en alguien que sabe escuchar. Tu naturaleza confiada puede pasar por ingenuidad, y a veces alguien se aprovechará de tu bondad. También tiendes a huir del conflicto en lugar de afrontarlo. Aprende a mantenerte firme cuando importa, porque tu orgullo sereno y tu sentido de la justicia son más fuertes de lo que crees, y la gente respeta al ciervo que no sale huyendo.</translation>
    </message>
    <message>
        <source>In many cultures, especially in western culture, the owl stands for wisdom, and for the Maya it was a night bird that carried messages from the spirit world. People born under the owl live partly in that unseen realm. You are intuitive, observant and often a little mysterious, and you notice the small details that everyone else walks past. Your dreams can be vivid and your hunches are frequently correct, so it pays to listen to them. You prefer deep conversation to small talk and would rather have one true friend than a crowd of acquaintances. Because you think so much, you can slip into worry or keep to yourself too long. Share what you see with those you trust: your insight is a gift that grows when it is given away.</source>
        <extracomment>Moan, the owl. At most nine lines in the result window.</extracomment>
        <translation>En muchas culturas, sobre todo en la occidental, el búho representa la sabiduría, y para los mayas era un ave nocturna que traía mensajes del mundo de los espíritus. Quienes nacen bajo el búho viven en parte en ese reino invisible. Tienes intuición, buen ojo y un aire algo misterioso, y te fijas en los pequeños detalles que todos los demás pasan por alto. Tus sueños pueden ser muy vívidos y tus corazonadas suelen acertar, así que vale la pena escucharlas. Prefieres una conversación profunda a la charla trivial, y antes que una multitud de conocidos quieres una sola amistad verdadera. Como piensas tanto, puedes caer en la preocupación o encerrarte demasiado tiempo. Comparte lo que ves con las personas en quienes confías: tu lucidez es un don que crece cuando se regala.</translation>
    </message>
    <message>
        <source>The fifth moon of the Mayan calendar belongs to the peacock, and people born under it are hard to overlook. You have a flair for colour and style, and you know how to make an entrance. Your charm is genuine rather than put on: you enjoy people, you like to entertain them, and you are at your best with an audience. The Maya prized the peacock&apos;s brilliant feathers as a sign of splendour and success, and you too tend to attract attention, opportunities and admirers wherever you go. You are ambitious and generous in equal measure, and you like to share your good fortune with those around you. The shadow side of this sign is pride. You can be hurt by criticism and may chase praise a little too eagerly. Remember that your real worth lies in your warmth and your confidence, not in your feathers, and the people who matter will love you all the more for it.</source>
        <extracomment>Cutz, the peacock. At most nine lines in the result window.</extracomment>
        <translation>La quinta luna del calendario maya pertenece al pavo real, y las personas nacidas bajo ella no pasan desapercibidas. Tienes talento para el color y el estilo, y sabes hacer una entrada triunfal. Tu encanto es auténtico, no fingido: disfrutas de la gente, te gusta entretenerla y das lo mejor de ti ante un público. Los mayas apreciaban las brillantes plumas del pavo real como signo de esplendor y éxito, y tú también atraes miradas, oportunidades y admiradores allá donde vas. Tienes tanta ambición como generosidad, y te gusta compartir tu buena suerte con quienes te rodean. El lado oscuro de este signo es el orgullo. Las críticas pueden herirte y quizá busques los elogios con demasiado afán. Recuerda que tu verdadero valor está en tu calidez y tu confianza, no en tus plumas, y las personas que importan te querrán todavía más por ello.</translation>
    </message>
    <message>
        <source>Due to its ability to change color, the lizard is a symbol of adaptability, and people born under this sign fit into almost any company or situation. You read a room quickly and adjust your manner without losing sight of who you are. The Maya admired the lizard for its patience in the sun and its speed when it has to move, and you share that mix of calm and quick reaction. You are practical, resourceful and curious, and you rarely panic when plans change; in fact you may enjoy it. Your flexibility can, however, make you hard to pin down, and others may wonder what you really think. Let them see your true colours more often; they are more attractive than any disguise.</source>
        <extracomment>Xibkay, the lizard. At most nine lines in the result window.</extracomment>
        <translation>Por su capacidad de cambiar de color, el lagarto es un símbolo de adaptabilidad, y quienes nacen bajo este signo encajan en casi cualquier compañía o situación. Captas enseguida el ambiente de una sala y ajustas tu forma de actuar sin perder de vista quién eres. Los mayas admiraban la paciencia del lagarto al sol y su rapidez cuando tiene que moverse, y tú compartes esa mezcla de calma y reacción rápida. Tienes sentido práctico, ingenio y curiosidad, y rara vez te alteras cuando cambian los planes; de hecho, puede que hasta lo disfrutes. Sin embargo, tu flexibilidad puede hacer que cueste saber a qué atenerse contigo, y los demás quizá se pregunten qué piensas realmente. Déjales ver más a menudo cómo eres de verdad: es más atractivo que cualquier disfraz.</translation>
    </message>
    <message>
        <source>&apos;Batz&apos; is the Mayan name for monkey. In Mayan stories the monkey was a patron of the arts, of music, writing and craft, and people born under this sign carry that creative spark. You are playful, clever and endlessly curious, and you can turn a dull afternoon into something memorable. Your sense of humour helps you make friends easily, and you have a way of solving problems that others find unusual but that usually works. You learn fast and love to try new things, although you may lose interest once the novelty wears off. Underneath the jokes you are more sensitive than you let on, and you care deeply about being accepted. Give your best ideas the time they need to grow, and do not be afraid to be serious now and again. Your talent is real, and it deserves to be finished as well as started.</source>
        <extracomment>Batz, the monkey. At most nine lines in the result window.</extracomment>
        <translation>«Batz» es el nombre maya del mono. En los relatos mayas, el mono era patrón de las artes, de la música, la escritura y la artesanía, y quienes nacen bajo este signo llevan esa chispa creativa. Tienes un espíritu juguetón, agudo e infinitamente curioso, y sabes convertir una tarde aburrida en algo memorable. Tu sentido del humor te ayuda a hacer amigos con facilidad, y resuelves los problemas de una forma que a otros les parece extraña pero que suele funcionar. Aprendes rápido y te encanta probar cosas nuevas, aunque puedes perder el interés cuando pasa la novedad. Bajo las bromas hay más sensibilidad de la que muestras, y te importa mucho que te acepten. Da a tus mejores ideas el tiempo que necesitan para crecer, y no temas tomarte las cosas en serio de vez en cuando. Tu talento es real y merece que lo termines, no solo que lo empieces.</translation>
    </message>
    <message>
        <source>The eighth moon sign of the Mayan calendar is the hawk, a bird that sees the whole landscape from high above. People born under it have a sharp, clear mind and the ability to spot an opportunity long before others do. You are decisive and focused, and once you have set your sights on something you go after it with remarkable determination. The Maya linked the hawk with the sun and with vision, and you too bring light and direction to those around you; people often turn to you for leadership. You value freedom and dislike being told what to do, which can make teamwork a real challenge. Your high standards may also make you impatient with slower thinkers. Try to share your view from above with kindness, and you will find that others are happy to follow where you lead.</source>
        <extracomment>Coz, the hawk. At most nine lines in the result window.</extracomment>
        <translation>El octavo signo lunar del calendario maya es el halcón, un ave que contempla todo el paisaje desde lo alto. Quienes nacen bajo él tienen una mente aguda y clara, y ven una oportunidad mucho antes que los demás. Sabes decidir y concentrarte, y cuando te fijas una meta la persigues con una determinación admirable. Los mayas asociaban el halcón con el sol y con la visión, y tú también aportas luz y rumbo a quienes te rodean; a menudo la gente espera que tomes la iniciativa. Valoras la libertad y no te gusta que te digan lo que tienes que hacer, lo que puede convertir el trabajo en equipo en todo un reto. Tu alto nivel de exigencia también puede volverte impaciente con quienes piensan más despacio. Comparte tu visión desde lo alto con amabilidad, y verás que los demás te siguen con gusto allá adonde los lleves.</translation>
    </message>
    <message>
        <source>Profoundly revered in Mayan culture, the Jaguar was the animal of kings, warriors and priests, a guardian of the night and of the underworld. People born under this sign have a natural authority and a quiet power that others feel at once. You are strong, confident and self-reliant, and you move through life with an easy grace that hides how hard you work. You are fiercely protective of your family, your home and your principles, and you will not back down when something you care about is threatened. You also have a deep spiritual side and may feel drawn to ancient traditions and hidden knowledge. Because you are so independent, you can at times seem distant or proud. Let the people you love see your softer side, and your strength will become a shelter for them rather than a wall.</source>
        <extracomment>Jaguar, whose animal is the Balam. At most nine lines in the result window.</extracomment>
        <translation>Profundamente venerado en la cultura maya, el jaguar era el animal de reyes, guerreros y sacerdotes, guardián de la noche y del inframundo. Quienes nacen bajo este signo tienen una autoridad natural y un poder sereno que los demás perciben al instante. Tienes fuerza, confianza y autonomía, y avanzas por la vida con una elegancia natural que oculta lo mucho que trabajas. Proteges con fiereza a tu familia, tu hogar y tus principios, y no retrocedes cuando algo que te importa está amenazado. También tienes un hondo lado espiritual y puede que te atraigan las tradiciones antiguas y el saber oculto. Como eres tan independiente, a veces das una imagen distante u orgullosa. Deja que las personas que quieres vean tu lado más tierno, y tu fuerza será para ellas un refugio y no un muro.</translation>
    </message>
    <message>
        <source>In Mayan language, Dog is called &apos;Pek&apos;. The Maya believed that the dog guided souls safely through the underworld, and people born under this sign are guides and companions in everyday life too. You are loyal, honest and dependable, the friend who turns up when you are needed and stays until the work is done. You have a strong sense of right and wrong and you speak up for anyone who is treated unfairly. You are a tireless worker. Family and home matter a great deal to you, and you are happiest when the people you love are close by. Your devotion is your great gift, but it can also make you possessive or anxious when you feel left out. Remember to look after yourself as carefully as you look after everyone else, and trust that the love you give so freely will come back to you.</source>
        <extracomment>Pek, the dog. At most nine lines in the result window.</extracomment>
        <translation>En lengua maya, el perro se llama «Pek». Los mayas creían que el perro guiaba a las almas a salvo por el inframundo, y quienes nacen bajo este signo también son guías y compañía en la vida diaria. Eres una persona leal, honesta y de confianza: la que aparece cuando se la necesita y se queda hasta que el trabajo está hecho. Tienes un fuerte sentido del bien y del mal, y alzas la voz por cualquiera a quien traten injustamente. Trabajas sin descanso. La familia y el hogar significan mucho para ti, y eres más feliz cuando tus seres queridos están cerca. Tu entrega es tu gran don, pero también puede despertar en ti celos o inquietud cuando te sientes al margen. Recuerda cuidarte con el mismo esmero con que cuidas a los demás, y confía en que el amor que das con tanta generosidad volverá a ti.</translation>
    </message>
    <message>
        <source>The snake signifies healing power in Mayan culture. It sheds its skin and is renewed, and people born under this sign have the same capacity to heal, to change and to begin again. You are perceptive, calm and wise beyond your years, and others often come to you for comfort or advice. You have a strong, almost physical sense of people&apos;s feelings, and you may be drawn to medicine, counselling or any work that helps others recover. You tend to keep your own troubles hidden, and you can hold on to old hurts longer than is good for you. When you are under pressure you may become cold, guarded or secretive. Let go of what no longer serves you, just as the snake leaves its old skin behind, and you will discover how much fresh energy is still waiting for you.</source>
        <extracomment>Kaw, the snake. At most nine lines in the result window.</extracomment>
        <translation>En la cultura maya, la serpiente simboliza el poder de sanar. Muda la piel y se renueva, y quienes nacen bajo este signo tienen esa misma capacidad de sanar, de cambiar y de volver a empezar. Tienes perspicacia, serenidad y una sabiduría impropia de tu edad, y a menudo los demás acuden a ti en busca de consuelo o consejo. Percibes los sentimientos de la gente de forma intensa, casi física, y puede que te atraigan la medicina, la orientación o cualquier trabajo que ayude a otros a recuperarse. Sueles ocultar tus propios problemas, y puedes aferrarte a viejas heridas más tiempo del que te conviene. Bajo presión puedes volverte distante, cerrarte o guardar secretos. Suelta lo que ya no te sirve, igual que la serpiente deja atrás su vieja piel, y descubrirás cuánta energía nueva te está esperando todavía.</translation>
    </message>
    <message>
        <source>Some of the rabbit-like qualities like restlessness, quickness and a lively imagination are clear in people born under this sign. The Maya connected the rabbit with the moon and with fertility, and you have a creative, playful mind that is always full of new plans. You are friendly, witty and good company, and your cheerful mood lifts the spirits of everyone around you. Your laughter is quick and infectious. You love games, puzzles and anything clever, and you have a knack for finding a smart way out of a tight spot. Because you enjoy novelty, you may jump from one project to the next and leave some of them unfinished. You can also be shy under the surface and uneasy in conflict. Give your ideas a home and the patience they need, and you will see that your imagination can build something lasting as well as delightful.</source>
        <extracomment>Tzub, the rabbit. At most nine lines in the result window.</extracomment>
        <translation>Algunas cualidades propias del conejo, como la inquietud, la rapidez y una imaginación viva, se ven claramente en quienes nacen bajo este signo. Los mayas relacionaban el conejo con la luna y la fertilidad, y tú tienes una mente creativa y juguetona, siempre llena de planes nuevos. Tienes simpatía e ingenio, eres una compañía estupenda y tu buen humor levanta el ánimo de todos los que te rodean. Tu risa es rápida y contagiosa. Te encantan los juegos, los acertijos y todo lo ingenioso, y tienes un don para encontrar una salida astuta de cualquier aprieto. Como disfrutas de la novedad, puedes saltar de un proyecto a otro y dejar algunos sin terminar. Bajo la superficie también hay timidez, y los conflictos te incomodan. Da a tus ideas un hogar y la paciencia que necesitan, y verás que tu imaginación puede construir algo duradero además de encantador.</translation>
    </message>
    <message>
        <source>The turtle moon is the 13th moon of the Mayan calendar, and for the Maya the turtle carried the world on its back. People born under this sign are steady, patient and deeply reliable, the calm centre that others gather around. You are never in a hurry, but you always arrive in the end, and your careful approach means that what you build tends to last. You have a strong bond with home and family and a great respect for tradition and for the wisdom of older generations. You take your time before you trust someone, but once you do, your loyalty is complete. Your caution can make you rather stubborn or slow to accept new things, and you may withdraw into your shell when life feels too loud. Remember that even a turtle has to poke its head out to move forward, and that your quiet strength is exactly what a restless world needs.</source>
        <extracomment>Aak, the turtle or tortoise. At most nine lines in the result window.</extracomment>
        <translation>La luna de la tortuga es la decimotercera del calendario maya, y para los mayas la tortuga llevaba el mundo sobre su caparazón. Quienes nacen bajo este signo son constantes, pacientes y muy fiables, el centro tranquilo en torno al cual se reúnen los demás. Nunca tienes prisa, pero siempre llegas a tu destino, y tu forma cuidadosa de hacer las cosas hace que lo que construyes perdure. Tienes un fuerte vínculo con el hogar y la familia, y un gran respeto por la tradición y la sabiduría de las generaciones mayores. Te tomas tu tiempo antes de confiar en alguien, pero cuando lo haces, tu lealtad es total. Tu prudencia puede traducirse en terquedad o en recelo ante lo nuevo, y quizá te refugies en tu caparazón cuando la vida se vuelve demasiado ruidosa. Recuerda que incluso una tortuga tiene que sacar la cabeza para avanzar, y que tu fuerza serena es justo lo que necesita un mundo inquieto.</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Murciélago</translation>
    </message>
    <message>
        <source>Rainbow Obsidan</source>
        <extracomment>A crystal; the English misspells &quot;Rainbow Obsidian&quot;.</extracomment>
        <translation>Obsidiana arcoíris</translation>
    </message>
    <message>
        <source>Scorpion</source>
        <translation>Escorpión</translation>
    </message>
    <message>
        <source>Yellow Topaz</source>
        <translation>Topacio amarillo</translation>
    </message>
    <message>
        <source>Deer / Stag</source>
        <translation>Ciervo / Venado</translation>
    </message>
    <message>
        <source>Cymophaene</source>
        <extracomment>A crystal: cymophane, the cat&apos;s-eye chrysoberyl.</extracomment>
        <translation>Cimofana</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Búho</translation>
    </message>
    <message>
        <source>Fire Opal</source>
        <translation>Ópalo de fuego</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Pavo real</translation>
    </message>
    <message>
        <source>Red Topaz</source>
        <translation>Topacio rojo</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>Lagarto</translation>
    </message>
    <message>
        <source>Garnet And Ruby</source>
        <translation>Granate y rubí</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Perla</translation>
    </message>
    <message>
        <source>Hawk</source>
        <translation>Halcón</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amatista</translation>
    </message>
    <message>
        <source>Balam</source>
        <extracomment>The Mayan word for jaguar, shown as this sign&apos;s animal under the caption of the animal&apos;s name in the reader&apos;s own language: the language&apos;s own name for the jaguar.</extracomment>
        <translation>Jaguar</translation>
    </message>
    <message>
        <source>Alexandrite</source>
        <translation>Alejandrita</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Perro</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Emereld</source>
        <extracomment>A crystal; the English misspells &quot;Emerald&quot;.</extracomment>
        <translation>Esmeralda</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Conejo</translation>
    </message>
    <message>
        <source>Malaquite</source>
        <extracomment>A crystal; the English misspells &quot;Malachite&quot;.</extracomment>
        <translation>Malaquita</translation>
    </message>
    <message>
        <source>Turtle / Tortoise</source>
        <translation>Tortuga</translation>
    </message>
    <message>
        <source>Serpentine</source>
        <translation>Serpentina</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>The month.</extracomment>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <extracomment>Shown when the program is started while another copy of it runs.</extracomment>
        <translation>El programa ya se está ejecutando.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <extracomment>First line of the question at start-up; the English &quot;maybe&quot; is meant as &quot;may be&quot;.</extracomment>
        <translation>Puede que haya una actualización disponible para este programa.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <extracomment>Second line of the question, answered Yes or No.</extracomment>
        <translation>¿Quieres buscar una actualización?</translation>
    </message>
</context>
</TS>
