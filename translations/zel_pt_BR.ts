<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Zel Mayan Animal Sign icon</source>
        <extracomment>Screen readers only: the program&apos;s icon. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Ícone do Zel Mayan Animal Sign</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Two lines in a fixed box.</extracomment>
        <translation>Negócio próprio em casa: monte sua empresa na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <extracomment>One line; grows to the right up to the window&apos;s edge.</extracomment>
        <translation>Clique aqui para saber mais</translation>
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
        <translation>Sobre o Zel Mayan Animal Sign</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Find your Mayan animal moon sign from your name and birth date</source>
        <translation>Descubra seu signo animal lunar maia a partir do seu nome e da sua data de nascimento</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Mostra a versão.</translation>
    </message>
    <message>
        <source>A saved reading (.zod) to open.</source>
        <translation>Leitura salva (.zod) a ser aberta.</translation>
    </message>
    <message>
        <source>Only one saved reading can be opened at a time.</source>
        <translation>Só é possível abrir uma leitura salva por vez.</translation>
    </message>
</context>
<context>
    <name>ExitAppealWindow</name>
    <message>
        <source>Zel Mayan Animal Sign icon</source>
        <extracomment>Screen readers only: the program&apos;s icon. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Ícone do Zel Mayan Animal Sign</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <extracomment>&quot;Velmora Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>Baixe nossos programas</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <extracomment>One line, 239 pixels wide. &quot;Velmora Softwares&quot; is the maker&apos;s name.</extracomment>
        <translation>Visite a Velmora Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique a um amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do seu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do seu amigo</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Indicar a um amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>A check box that works as a link; %1 is the site&apos;s address.</extracomment>
        <translation>Clique aqui e visite %1 agora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <extracomment>Shown when a space is typed into an address box.</extracomment>
        <translation>O endereço de e-mail não pode conter espaços.</translation>
    </message>
    <message>
        <source>Before You Go: Support Zel Mayan Animal Sign</source>
        <extracomment>Screen readers only: the name of the window shown when the program ends, which asks for support and offers to tell a friend.</extracomment>
        <translation>Antes de sair: apoie o Zel Mayan Animal Sign</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Know your Mayan Animal Sign Personality now.  Zel Mayan Animal Sign gives you the result based on your date if birth. Get started now!</source>
        <extracomment>Two centred lines in a fixed box; two spaces after the first sentence. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Descubra já a personalidade do seu signo animal maia.  O Zel Mayan Animal Sign a revela pela sua data de nascimento. Comece agora!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A banner of three lines in a fixed box. The two spaces after the first sentence and the four before the last are meant: keep them. The &amp; is a literal ampersand, not an access key; &quot;Help&quot; is the Help menu.</extracomment>
        <translation>Personalize este programa com a marca do seu site.  Ganhe visitas e fidelize seu público: coloque aqui o nome e o link do site. Veja o menu “Ajuda”.    Clique aqui para saber mais sobre a marca compartilhada.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A banner of three lines in a fixed box; the whole banner is the link.</extracomment>
        <translation>Negócio próprio em casa: monte sua empresa na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>Abrir uma leitura &amp;salva</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Dados pessoais</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <extracomment>Caption in front of the month, day and year lists (the date of birth): about 66 pixels wide.</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Caption in front of the name box: about 46 pixels wide; a longer one grows to the left, up to about 64 pixels.</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>Ano de nascimento</translation>
    </message>
    <message>
        <source>Birth day</source>
        <extracomment>Screen readers only: the day of the month of the birth date.</extracomment>
        <translation>Dia de nascimento</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>Mês de nascimento</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>name box</comment>
        <extracomment>Screen readers only: the name box.</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>&amp;Find My Mayan Animal Sign</source>
        <translation>Desco&amp;brir meu signo animal maia</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Find My Mayan Animal Moon Sign</source>
        <translation>&amp;Descobrir meu signo animal lunar maia</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Procurar &amp;atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Ganhar dinheiro online</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Por favor, digite seu nome.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <extracomment>Title of the dialog that opens a saved reading.</extracomment>
        <translation>Selecionar o arquivo para abrir</translation>
    </message>
    <message>
        <source>Zel Free Zodiac Signs (*.zod)</source>
        <extracomment>File type of the open dialog: keep &quot; (*.zod)&quot; as it is. &quot;Zel Free&quot; is the maker&apos;s name for its free programs.</extracomment>
        <translation>Signos do zodíaco Zel Free (*.zod)</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <extracomment>The chosen file is not a saved reading.</extracomment>
        <translation>Por favor, verifique o arquivo.</translation>
    </message>
</context>
<context>
    <name>PageLinks</name>
    <message>
        <source>The most popular occult discussion board online. Your best astrology resource! Visit %1 Now</source>
        <extracomment>The link at the top of the main, result and report windows, in a fixed box of two lines; %1 is the site&apos;s address.</extracomment>
        <translation>O fórum de ocultismo mais popular da internet. Sua melhor fonte de astrologia! Visite %1 agora</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Zel Mayan Animal Sign finds your Mayan animal sign from your date of birth. Each animal of the Mayan zodiac is attributed with different characteristics which are reflected in your personality.</source>
        <extracomment>Followed by the rights notice &quot; © Velmora Softwares, &lt;site address&gt;.&quot;, all in a fixed box of four lines. &quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>O Zel Mayan Animal Sign descobre seu signo animal maia pela sua data de nascimento. A cada animal do zodíaco maia são atribuídas características próprias, que se refletem na sua personalidade.</translation>
    </message>
    <message>
        <source>Programs by Velmora Softwares can only be created and maintained with your support. Your best support is to visit our discussion board at %1 regularly and to join in its discussions and other activities.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>Os programas da Velmora Softwares só podem ser criados e mantidos com o seu apoio. A melhor forma de nos apoiar é visitar sempre nosso fórum em %1 e participar das discussões e atividades.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and take part in the discussions and activities there. Without regular visits from loyal users like you, we simply cannot support and maintain our free programs.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>Visite %1 regularmente e participe das discussões e atividades do fórum. Sem as visitas frequentes de usuários fiéis como você, simplesmente não conseguimos manter nossos programas gratuitos.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>%1 é um fórum de discussão online e gratuito sobre todos os temas esotéricos. Para nos ajudar a desenvolver e manter este programa, visite-o regularmente.</translation>
    </message>
    <message>
        <source>%1 needs your help! Visit it regularly and take part in its discussions and activities to help us maintain this program and develop many more programs by Velmora Softwares.</source>
        <extracomment>%1 is the site&apos;s address. A fixed box of four lines.</extracomment>
        <translation>%1 precisa da sua ajuda! Visite-o regularmente e participe das discussões e atividades para nos ajudar a manter este programa e a desenvolver muitos outros da Velmora Softwares.</translation>
    </message>
    <message>
        <source>If you enjoyed Zel Mayan Animal Sign, why not try our other programs? Velmora Softwares makes a whole range of software in astrology, psychic readings, tarot, numerology and the occult. Each one is simple to use, informative and fun, and a good companion for anyone curious about the hidden side of life. Have a look and find your next favourite.</source>
        <extracomment>Beside the maker&apos;s catalogue, in a fixed box 233 by 257 pixels.</extracomment>
        <translation>Se você gostou do Zel Mayan Animal Sign, que tal experimentar nossos outros programas? A Velmora Softwares oferece toda uma linha de programas de astrologia, vidência, tarô, numerologia e ocultismo. Cada um é fácil de usar, informativo e divertido: um bom companheiro para quem tem curiosidade pelo lado oculto da vida. Dê uma olhada e descubra seu novo favorito.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <extracomment>The person&apos;s address and the friend&apos;s are the same.</extracomment>
        <translation>Por favor, digite dois endereços de e-mail diferentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Por favor, digite um endereço de e-mail válido.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Por favor, digite seu nome.</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Por favor, digite seu e-mail.</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Por favor, digite sua mensagem.</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Por favor, digite o nome do seu amigo.</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Por favor, digite o e-mail do seu amigo.</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A banner of three lines in a fixed box; the whole banner is the link.</extracomment>
        <translation>Negócio próprio em casa: monte sua empresa na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A banner of three lines in a fixed box. The two spaces after the first sentence and the four before the last are meant: keep them. The &amp; is a literal ampersand, not an access key; &quot;Help&quot; is the Help menu.</extracomment>
        <translation>Personalize este programa com a marca do seu site.  Ganhe visitas e fidelize seu público: coloque aqui o nome e o link do site. Veja o menu “Ajuda”.    Clique aqui para saber mais sobre a marca compartilhada.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button, and in the result window a File menu entry too: its access key must not be the File menu&apos;s own.</extracomment>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>first of a month</comment>
        <extracomment>The date of birth in the report when it falls on the first of a month: %1 the month&apos;s name, %2 the day (1), %3 the year, as in &quot;March 1, 1990&quot;.</extracomment>
        <translation>%2º de %1 de %3</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>The date of birth in the report: %1 the month&apos;s name, %2 the day, %3 the year, as in &quot;March 7, 1990&quot;.</extracomment>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>Name: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Nome: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Data de nascimento: </translation>
    </message>
    <message>
        <source>Mayan Animal Moon Sign: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Signo animal lunar maia: </translation>
    </message>
    <message>
        <source>English Name: </source>
        <extracomment>A label of the report, followed directly by the animal&apos;s name in the reader&apos;s own language (as opposed to its Mayan name); it ends with a space.</extracomment>
        <translation>Nome em português: </translation>
    </message>
    <message>
        <source>Crystal: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Cristal: </translation>
    </message>
    <message>
        <source>Interpretation: </source>
        <extracomment>A label of the report; its value follows directly, so it ends with a space.</extracomment>
        <translation>Interpretação: </translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <extracomment>The footer under every section of the report; %1 is the site&apos;s address.</extracomment>
        <translation>Relatório gerado por %1</translation>
    </message>
    <message>
        <source>Zel Mayan Animal Sign - %1</source>
        <extracomment>The print job&apos;s name in the printer queue: the program&apos;s name and the person&apos;s (%1).</extracomment>
        <translation>Zel Mayan Animal Sign - %1</translation>
    </message>
    <message>
        <source>The report could not be sent to the printer %1.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Não foi possível enviar o relatório para a impressora %1.</translation>
    </message>
    <message>
        <source>Save Your Zodiac Signs Result ....</source>
        <extracomment>Title of the save dialog; the space and four dots at the end are the program&apos;s style.</extracomment>
        <translation>Salvar o resultado do seu signo ....</translation>
    </message>
    <message>
        <source>Rich Text Format (*.zod)</source>
        <extracomment>File type of the save dialog: keep &quot; (*.zod)&quot; as it is.</extracomment>
        <translation>Formato Rich Text (*.zod)</translation>
    </message>
    <message>
        <source>Could not save the reading to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason the system gives.</extracomment>
        <translation>Não foi possível salvar a leitura em %1: %2</translation>
    </message>
    <message>
        <source>No default printer is set up. You can save the report as a PDF instead: press Save and choose &quot;PDF document&quot;.</source>
        <extracomment>&quot;PDF document&quot; is the second file type of the Save dialog, as translated there.</extracomment>
        <translation>Nenhuma impressora padrão está configurada. Você pode salvar o relatório como PDF: clique em Salvar e escolha “Documento PDF”.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <extracomment>The second file type of the save dialog: keep &quot; (*.pdf)&quot; as it is.</extracomment>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save the report to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason the system gives.</extracomment>
        <translation>Não foi possível salvar o relatório em %1: %2</translation>
    </message>
    <message>
        <source>Zel Mayan Animal Sign Report</source>
        <extracomment>Screen readers only: the report window&apos;s name.</extracomment>
        <translation>Relatório do Zel Mayan Animal Sign</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A banner of three lines in a fixed box. The two spaces after the first sentence and the four before the last are meant: keep them. The &amp; is a literal ampersand, not an access key; &quot;Help&quot; is the Help menu.</extracomment>
        <translation>Personalize este programa com a marca do seu site.  Ganhe visitas e fidelize seu público: coloque aqui o nome e o link do site. Veja o menu “Ajuda”.    Clique aqui para saber mais sobre a marca compartilhada.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A banner of three lines in a fixed box; the whole banner is the link.</extracomment>
        <translation>Negócio próprio em casa: monte sua empresa na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Zel Mayan Animal Sign Result</source>
        <extracomment>&quot;Zel Mayan Animal Sign&quot; is the program&apos;s name.</extracomment>
        <translation>Resultado do Zel Mayan Animal Sign</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretação</translation>
    </message>
    <message>
        <source>Crystal</source>
        <extracomment>Caption of the sign&apos;s crystal (gemstone).</extracomment>
        <translation>Cristal</translation>
    </message>
    <message>
        <source>English Name</source>
        <extracomment>Caption of the animal&apos;s name in the reader&apos;s own language, as opposed to its Mayan name.</extracomment>
        <translation>Nome em português</translation>
    </message>
    <message>
        <source>Mayan Animal Moon Sign</source>
        <extracomment>Caption of the sign&apos;s Mayan name.</extracomment>
        <translation>Signo animal lunar maia</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button, and in the result window a File menu entry too: its access key must not be the File menu&apos;s own.</extracomment>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Procurar &amp;atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhar dinheiro online</translation>
    </message>
    <message>
        <source>Picture of the bat</source>
        <translation>Imagem do morcego</translation>
    </message>
    <message>
        <source>Picture of the scorpion</source>
        <translation>Imagem do escorpião</translation>
    </message>
    <message>
        <source>Picture of the deer</source>
        <translation>Imagem do cervo</translation>
    </message>
    <message>
        <source>Picture of the owl</source>
        <translation>Imagem da coruja</translation>
    </message>
    <message>
        <source>Picture of the peacock</source>
        <translation>Imagem do pavão</translation>
    </message>
    <message>
        <source>Picture of the lizard</source>
        <translation>Imagem do lagarto</translation>
    </message>
    <message>
        <source>Picture of the monkey</source>
        <translation>Imagem do macaco</translation>
    </message>
    <message>
        <source>Picture of the hawk</source>
        <translation>Imagem do falcão</translation>
    </message>
    <message>
        <source>Picture of the jaguar</source>
        <translation>Imagem da onça-pintada</translation>
    </message>
    <message>
        <source>Picture of the dog</source>
        <translation>Imagem do cachorro</translation>
    </message>
    <message>
        <source>Picture of the snake</source>
        <translation>Imagem da serpente</translation>
    </message>
    <message>
        <source>Picture of the rabbit</source>
        <translation>Imagem do coelho</translation>
    </message>
    <message>
        <source>Picture of the turtle</source>
        <translation>Imagem da tartaruga</translation>
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
        <translation>O nome é longo demais para ser salvo.</translation>
    </message>
</context>
<context>
    <name>SignTable</name>
    <message>
        <source>The bat is the first moon sign of the Mayan calendar, and those who carry it share the bat&apos;s gift for finding their way where others see only darkness. You sense what is going on around you before anyone says a word, and you trust that inner radar more than any map. To the Maya the bat was a messenger between the visible world and the hidden one, so no wonder you are drawn to questions most people never ask. You are sociable in small circles, loyal to the few you let come close, and happiest when you keep your own hours. Your weakness is a tendency to hide when you feel misunderstood. Step into the light now and then: the world needs your insight, and your friends miss you more than you know.</source>
        <extracomment>Tzootz, the bat. At most nine lines in the result window.</extracomment>
        <translation>O morcego é o primeiro signo lunar do calendário maia, e quem nasce sob ele compartilha seu dom de encontrar o caminho onde os outros só veem escuridão. Você percebe o que acontece ao seu redor antes que alguém diga uma palavra e confia mais nesse radar interior do que em qualquer mapa. Para os maias, o morcego era um mensageiro entre o mundo visível e o oculto; não é à toa que as perguntas que quase ninguém faz chamam sua atenção. Você é sociável em grupos pequenos, leal aos poucos que deixa se aproximar, e mais feliz quando segue seus próprios horários. Seu ponto fraco é a tendência a se esconder quando sente que ninguém entende você. Saia para a luz de vez em quando: o mundo precisa da sua intuição, e seus amigos sentem mais a sua falta do que você imagina.</translation>
    </message>
    <message>
        <source>People born under this sign thrive on challenges. Like the scorpion, you are built for harsh places, and a difficult task wakes you up rather than wearing you down. You prefer to work quietly and strike at the right moment, which is why others often underestimate you until the job is already done. The Maya linked the scorpion with the hunt and with sacrifice, and you too are willing to give up comfort for a goal you believe in. You are fiercely protective of your family and your friends, and your loyalty, once earned, does not waver. At the same time you guard your own feelings behind a tough shell, and people may find you hard to read. Your sting is sharp when you feel betrayed, so learn to pause before you answer an insult. When you let people see the warm heart under the armour, you will find that they are far more ready to help you than you expected.</source>
        <extracomment>Dzec, the scorpion. At most nine lines in the result window.</extracomment>
        <translation>Quem nasce sob este signo se fortalece diante dos desafios. Como o escorpião, você nasceu para os lugares inóspitos, e uma tarefa difícil renova sua energia em vez de esgotá-la. Você prefere trabalhar em silêncio e atacar no momento certo; por isso, costumam subestimar você até o trabalho estar feito. Os maias associavam o escorpião à caça e ao sacrifício, e você também sabe abrir mão do conforto por uma meta em que acredita. Você protege com unhas e dentes sua família e seus amigos, e sua lealdade, uma vez conquistada, não vacila. Você esconde seus sentimentos sob uma casca dura, e os outros podem ter dificuldade em decifrar você. Diante de uma traição, seu ferrão é afiado: aprenda a respirar fundo antes de responder a uma ofensa. Quando você mostra o coração caloroso sob a armadura, descobre que os outros estão muito mais dispostos a ajudar você do que imaginava.</translation>
    </message>
    <message>
        <source>The third sign of Mayan moon sign is deer. People born under the deer are gentle, graceful and alert, with a natural elegance that others notice the moment they enter a room. The Maya saw the stag as a noble animal that was also a gift of the forest, and you have that same generous spirit: you give your time and attention freely and you hate to see anybody left out. You are sensitive to atmosphere and quick to pick up a change of mood, which makes you a loyal friend and a careful listener. Your trusting nature can make you seem naïve, and now and then someone will take advantage of your kindness. You also tend to run from conflict rather than face it. Learn to stand your ground when it matters, because your quiet pride and your sense of fairness are stronger than you believe, and people respect a deer that does not bolt.</source>
        <extracomment>Keh, the deer or stag. At most nine lines in the result window.</extracomment>
        <translation>O terceiro signo lunar maia é o cervo. As pessoas nascidas sob o cervo são gentis, graciosas e atentas, com uma elegância natural que chama a atenção de todos assim que entram em um lugar. Os maias viam no cervo um animal nobre e, ao mesmo tempo, um presente da floresta, e você tem esse mesmo espírito generoso: dedica seu tempo e sua atenção sem reservas e detesta ver alguém excluído. Você é sensível ao ambiente e percebe logo uma mudança de humor, o que faz de você uma companhia leal e alguém que sabe ouvir. Sua natureza confiante pode passar por ingenuidade, e de vez em quando alguém vai se aproveitar da sua bondade. Você também tende a fugir dos conflitos em vez de enfrentá-los. Aprenda a se manter firme quando for preciso, porque seu orgulho discreto e seu senso de justiça são mais fortes do que você imagina, e as pessoas respeitam o cervo que não sai correndo.</translation>
    </message>
    <message>
        <source>In many cultures, especially in western culture, the owl stands for wisdom, and for the Maya it was a night bird that carried messages from the spirit world. People born under the owl live partly in that unseen realm. You are intuitive, observant and often a little mysterious, and you notice the small details that everyone else walks past. Your dreams can be vivid and your hunches are frequently correct, so it pays to listen to them. You prefer deep conversation to small talk and would rather have one true friend than a crowd of acquaintances. Because you think so much, you can slip into worry or keep to yourself too long. Share what you see with those you trust: your insight is a gift that grows when it is given away.</source>
        <extracomment>Moan, the owl. At most nine lines in the result window.</extracomment>
        <translation>Em muitas culturas, sobretudo na ocidental, a coruja simboliza a sabedoria, e para os maias era uma ave noturna que trazia mensagens do mundo dos espíritos. Quem nasce sob a coruja vive em parte nesse reino invisível. Você tem intuição, olhar atento e um ar um tanto misterioso, e repara nos pequenos detalhes pelos quais todos os outros passam sem ver. Seus sonhos podem ser muito vívidos e seus palpites costumam acertar, então vale a pena ouvi-los. Você prefere uma conversa profunda a um papo superficial e troca de bom grado uma multidão de conhecidos por uma única amizade verdadeira. Como pensa muito, pode se deixar levar pela preocupação ou se isolar por tempo demais. Compartilhe o que você vê com as pessoas em quem confia: sua percepção é um dom que cresce quando é oferecido.</translation>
    </message>
    <message>
        <source>The fifth moon of the Mayan calendar belongs to the peacock, and people born under it are hard to overlook. You have a flair for colour and style, and you know how to make an entrance. Your charm is genuine rather than put on: you enjoy people, you like to entertain them, and you are at your best with an audience. The Maya prized the peacock&apos;s brilliant feathers as a sign of splendour and success, and you too tend to attract attention, opportunities and admirers wherever you go. You are ambitious and generous in equal measure, and you like to share your good fortune with those around you. The shadow side of this sign is pride. You can be hurt by criticism and may chase praise a little too eagerly. Remember that your real worth lies in your warmth and your confidence, not in your feathers, and the people who matter will love you all the more for it.</source>
        <extracomment>Cutz, the peacock. At most nine lines in the result window.</extracomment>
        <translation>A quinta lua do calendário maia pertence ao pavão, e as pessoas nascidas sob ela dificilmente passam despercebidas. Você tem talento para cores e estilo e sabe fazer uma entrada triunfal. Seu charme é autêntico, não fingido: você gosta de gente, adora entreter e dá o melhor de si diante de uma plateia. Os maias apreciavam as penas brilhantes do pavão como sinal de esplendor e sucesso, e você também costuma atrair olhares, oportunidades e admiradores por onde passa. Você tem ambição e generosidade na mesma medida e gosta de dividir sua boa sorte com quem está à sua volta. O lado sombrio deste signo é o orgulho. As críticas podem magoar você, e talvez você corra atrás de elogios com avidez excessiva. Lembre-se de que seu verdadeiro valor está no seu calor humano e na sua confiança, não nas suas penas, e as pessoas que importam vão amar você ainda mais por isso.</translation>
    </message>
    <message>
        <source>Due to its ability to change color, the lizard is a symbol of adaptability, and people born under this sign fit into almost any company or situation. You read a room quickly and adjust your manner without losing sight of who you are. The Maya admired the lizard for its patience in the sun and its speed when it has to move, and you share that mix of calm and quick reaction. You are practical, resourceful and curious, and you rarely panic when plans change; in fact you may enjoy it. Your flexibility can, however, make you hard to pin down, and others may wonder what you really think. Let them see your true colours more often; they are more attractive than any disguise.</source>
        <extracomment>Xibkay, the lizard. At most nine lines in the result window.</extracomment>
        <translation>Por sua capacidade de mudar de cor, o lagarto é um símbolo de adaptabilidade, e quem nasce sob este signo se encaixa em quase qualquer companhia ou situação. Você capta rapidamente o clima de um lugar e ajusta seu jeito de agir sem perder de vista quem você é. Os maias admiravam a paciência do lagarto ao sol e sua rapidez quando precisa se mover, e você compartilha essa mistura de calma e reflexos ágeis. Você tem senso prático, desenvoltura e curiosidade, e raramente entra em pânico quando os planos mudam; na verdade, talvez até goste disso. Mas sua flexibilidade pode tornar difícil saber o que esperar de você, e os outros talvez se perguntem o que você pensa no fundo. Mostre mais vezes quem você é de verdade: isso atrai mais do que qualquer disfarce.</translation>
    </message>
    <message>
        <source>&apos;Batz&apos; is the Mayan name for monkey. In Mayan stories the monkey was a patron of the arts, of music, writing and craft, and people born under this sign carry that creative spark. You are playful, clever and endlessly curious, and you can turn a dull afternoon into something memorable. Your sense of humour helps you make friends easily, and you have a way of solving problems that others find unusual but that usually works. You learn fast and love to try new things, although you may lose interest once the novelty wears off. Underneath the jokes you are more sensitive than you let on, and you care deeply about being accepted. Give your best ideas the time they need to grow, and do not be afraid to be serious now and again. Your talent is real, and it deserves to be finished as well as started.</source>
        <extracomment>Batz, the monkey. At most nine lines in the result window.</extracomment>
        <translation>“Batz” é o nome maia do macaco. Nas histórias maias, o macaco era o patrono das artes, da música, da escrita e do artesanato, e quem nasce sob este signo traz essa centelha criativa. Você tem um espírito brincalhão, esperto e infinitamente curioso, e sabe transformar uma tarde monótona em algo memorável. Com seu senso de humor, você faz amigos com facilidade, e resolve problemas de um jeito que os outros acham estranho, mas que costuma funcionar. Você aprende rápido e adora experimentar coisas novas, embora possa perder o interesse quando a novidade passa. Por trás das brincadeiras há mais sensibilidade do que você deixa transparecer, e a aceitação dos outros é muito importante para você. Dê às suas melhores ideias o tempo de que precisam, e não tenha medo de levar as coisas a sério às vezes. Seu talento é real: leve seus projetos até o fim, e não só os comece.</translation>
    </message>
    <message>
        <source>The eighth moon sign of the Mayan calendar is the hawk, a bird that sees the whole landscape from high above. People born under it have a sharp, clear mind and the ability to spot an opportunity long before others do. You are decisive and focused, and once you have set your sights on something you go after it with remarkable determination. The Maya linked the hawk with the sun and with vision, and you too bring light and direction to those around you; people often turn to you for leadership. You value freedom and dislike being told what to do, which can make teamwork a real challenge. Your high standards may also make you impatient with slower thinkers. Try to share your view from above with kindness, and you will find that others are happy to follow where you lead.</source>
        <extracomment>Coz, the hawk. At most nine lines in the result window.</extracomment>
        <translation>O oitavo signo lunar do calendário maia é o falcão, uma ave que vê toda a paisagem do alto. Quem nasce sob ele tem a mente aguçada e clara e a capacidade de enxergar uma oportunidade muito antes dos outros. Você sabe decidir e manter o foco, e, quando põe uma meta na cabeça, vai atrás dela com uma determinação admirável. Os maias associavam o falcão ao sol e à visão, e você também traz luz e direção para quem está à sua volta; muitas vezes as pessoas esperam que você assuma a liderança. Você valoriza a liberdade e não gosta que lhe digam o que fazer, o que pode tornar o trabalho em equipe um verdadeiro desafio. Seu alto nível de exigência também pode deixar você impaciente com quem pensa mais devagar. Procure compartilhar sua visão do alto com gentileza, e verá que os outros seguem você com prazer aonde você os levar.</translation>
    </message>
    <message>
        <source>Profoundly revered in Mayan culture, the Jaguar was the animal of kings, warriors and priests, a guardian of the night and of the underworld. People born under this sign have a natural authority and a quiet power that others feel at once. You are strong, confident and self-reliant, and you move through life with an easy grace that hides how hard you work. You are fiercely protective of your family, your home and your principles, and you will not back down when something you care about is threatened. You also have a deep spiritual side and may feel drawn to ancient traditions and hidden knowledge. Because you are so independent, you can at times seem distant or proud. Let the people you love see your softer side, and your strength will become a shelter for them rather than a wall.</source>
        <extracomment>Jaguar, whose animal is the Balam. At most nine lines in the result window.</extracomment>
        <translation>Profundamente venerada na cultura maia, a onça‑pintada era o animal dos reis, dos guerreiros e dos sacerdotes, guardiã da noite e do inframundo. Quem nasce sob este signo tem uma autoridade natural e um poder sereno que os outros sentem de imediato. Você tem força, segurança e autonomia, e segue pela vida com uma graça natural que esconde o quanto você trabalha duro. Você protege com garra sua família, seu lar e seus princípios, e não recua quando algo que lhe é caro está ameaçado. Você também tem um lado espiritual profundo, e talvez as tradições antigas e o saber oculto exerçam fascínio sobre você. Por ser tão independente, às vezes pode passar uma imagem distante ou altiva. Deixe que as pessoas que você ama vejam seu lado mais terno, e sua força será para elas um abrigo, e não um muro.</translation>
    </message>
    <message>
        <source>In Mayan language, Dog is called &apos;Pek&apos;. The Maya believed that the dog guided souls safely through the underworld, and people born under this sign are guides and companions in everyday life too. You are loyal, honest and dependable, the friend who turns up when you are needed and stays until the work is done. You have a strong sense of right and wrong and you speak up for anyone who is treated unfairly. You are a tireless worker. Family and home matter a great deal to you, and you are happiest when the people you love are close by. Your devotion is your great gift, but it can also make you possessive or anxious when you feel left out. Remember to look after yourself as carefully as you look after everyone else, and trust that the love you give so freely will come back to you.</source>
        <extracomment>Pek, the dog. At most nine lines in the result window.</extracomment>
        <translation>Na língua maia, o cachorro se chama “Pek”. Os maias acreditavam que o cachorro guiava as almas em segurança pelo inframundo, e quem nasce sob este signo também é guia e companhia na vida cotidiana. Você é uma pessoa leal, honesta e confiável: aquela que aparece quando é preciso e fica até o trabalho terminar. Você tem um forte senso de certo e errado e sai em defesa de qualquer pessoa tratada injustamente. Você trabalha sem descanso. A família e o lar significam muito para você, e você é mais feliz quando as pessoas que ama estão por perto. Sua dedicação é seu grande dom, mas também pode despertar ciúme ou ansiedade quando você se sente à margem. Lembre-se de cuidar de si com o mesmo carinho com que cuida de todos os outros, e confie que o amor que você dá tão generosamente voltará para você.</translation>
    </message>
    <message>
        <source>The snake signifies healing power in Mayan culture. It sheds its skin and is renewed, and people born under this sign have the same capacity to heal, to change and to begin again. You are perceptive, calm and wise beyond your years, and others often come to you for comfort or advice. You have a strong, almost physical sense of people&apos;s feelings, and you may be drawn to medicine, counselling or any work that helps others recover. You tend to keep your own troubles hidden, and you can hold on to old hurts longer than is good for you. When you are under pressure you may become cold, guarded or secretive. Let go of what no longer serves you, just as the snake leaves its old skin behind, and you will discover how much fresh energy is still waiting for you.</source>
        <extracomment>Kaw, the snake. At most nine lines in the result window.</extracomment>
        <translation>Na cultura maia, a serpente simboliza o poder de cura. Ela troca de pele e se renova, e quem nasce sob este signo tem a mesma capacidade de curar, de mudar e de recomeçar. Você tem perspicácia, serenidade e uma sabedoria que vai além da sua idade, e muitas vezes os outros procuram você em busca de consolo ou conselho. Você sente as emoções das pessoas de forma intensa, quase física, e talvez a medicina, o aconselhamento ou qualquer trabalho que ajude os outros a se recuperar atraiam você. Você costuma esconder seus próprios problemas e pode se apegar a velhas mágoas por mais tempo do que lhe faz bem. Sob pressão, você pode se fechar, ficar distante ou guardar segredos. Desapegue-se do que já não lhe serve, assim como a serpente deixa para trás a pele velha, e você vai descobrir quanta energia nova ainda espera por você.</translation>
    </message>
    <message>
        <source>Some of the rabbit-like qualities like restlessness, quickness and a lively imagination are clear in people born under this sign. The Maya connected the rabbit with the moon and with fertility, and you have a creative, playful mind that is always full of new plans. You are friendly, witty and good company, and your cheerful mood lifts the spirits of everyone around you. Your laughter is quick and infectious. You love games, puzzles and anything clever, and you have a knack for finding a smart way out of a tight spot. Because you enjoy novelty, you may jump from one project to the next and leave some of them unfinished. You can also be shy under the surface and uneasy in conflict. Give your ideas a home and the patience they need, and you will see that your imagination can build something lasting as well as delightful.</source>
        <extracomment>Tzub, the rabbit. At most nine lines in the result window.</extracomment>
        <translation>Algumas qualidades típicas do coelho, como a inquietação, a rapidez e uma imaginação viva, aparecem claramente em quem nasce sob este signo. Os maias associavam o coelho à lua e à fertilidade, e você tem uma mente criativa e brincalhona, sempre cheia de planos novos. Você tem simpatia e presença de espírito, é uma ótima companhia, e seu bom humor levanta o astral de todos ao seu redor. Sua risada é fácil e contagiante. Você adora jogos, enigmas e tudo o que é engenhoso, e tem um dom para achar uma saída esperta de qualquer aperto. Como gosta de novidades, pode pular de um projeto para outro e deixar alguns pela metade. Por baixo da superfície também há timidez, e os conflitos deixam você pouco à vontade. Dê às suas ideias um lar e a paciência de que precisam, e você vai ver que sua imaginação pode construir algo duradouro, além de encantador.</translation>
    </message>
    <message>
        <source>The turtle moon is the 13th moon of the Mayan calendar, and for the Maya the turtle carried the world on its back. People born under this sign are steady, patient and deeply reliable, the calm centre that others gather around. You are never in a hurry, but you always arrive in the end, and your careful approach means that what you build tends to last. You have a strong bond with home and family and a great respect for tradition and for the wisdom of older generations. You take your time before you trust someone, but once you do, your loyalty is complete. Your caution can make you rather stubborn or slow to accept new things, and you may withdraw into your shell when life feels too loud. Remember that even a turtle has to poke its head out to move forward, and that your quiet strength is exactly what a restless world needs.</source>
        <extracomment>Aak, the turtle or tortoise. At most nine lines in the result window.</extracomment>
        <translation>A lua da tartaruga é a décima terceira lua do calendário maia, e para os maias a tartaruga carregava o mundo nas costas. Quem nasce sob este signo é constante, paciente e muito confiável, o centro tranquilo em torno do qual os outros se reúnem. Você nunca tem pressa, mas sempre chega lá, e seu jeito cuidadoso faz com que aquilo que você constrói costume durar. Você tem um forte vínculo com o lar e a família e um grande respeito pela tradição e pela sabedoria das gerações mais velhas. Você leva tempo para confiar em alguém, mas, quando confia, sua lealdade é total. Sua cautela pode se transformar em teimosia ou em resistência ao novo, e talvez você se recolha no seu casco quando a vida parece barulhenta demais. Lembre-se de que até uma tartaruga precisa pôr a cabeça para fora para seguir em frente, e de que sua força serena é exatamente do que um mundo inquieto precisa.</translation>
    </message>
    <message>
        <source>Bat</source>
        <translation>Morcego</translation>
    </message>
    <message>
        <source>Rainbow Obsidan</source>
        <extracomment>A crystal; the English misspells &quot;Rainbow Obsidian&quot;.</extracomment>
        <translation>Obsidiana arco-íris</translation>
    </message>
    <message>
        <source>Scorpion</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Yellow Topaz</source>
        <translation>Topázio amarelo</translation>
    </message>
    <message>
        <source>Deer / Stag</source>
        <translation>Cervo</translation>
    </message>
    <message>
        <source>Cymophaene</source>
        <extracomment>A crystal: cymophane, the cat&apos;s-eye chrysoberyl.</extracomment>
        <translation>Cimofana</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Coruja</translation>
    </message>
    <message>
        <source>Fire Opal</source>
        <translation>Opala de fogo</translation>
    </message>
    <message>
        <source>Peacock</source>
        <translation>Pavão</translation>
    </message>
    <message>
        <source>Red Topaz</source>
        <translation>Topázio vermelho</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>Lagarto</translation>
    </message>
    <message>
        <source>Garnet And Ruby</source>
        <translation>Granada e rubi</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Macaco</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>Pérola</translation>
    </message>
    <message>
        <source>Hawk</source>
        <translation>Falcão</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Ametista</translation>
    </message>
    <message>
        <source>Balam</source>
        <extracomment>The Mayan word for jaguar, shown as this sign&apos;s animal under the caption of the animal&apos;s name in the reader&apos;s own language: the language&apos;s own name for the jaguar.</extracomment>
        <translation>Onça‑pintada</translation>
    </message>
    <message>
        <source>Alexandrite</source>
        <translation>Alexandrita</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Cachorro</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Emereld</source>
        <extracomment>A crystal; the English misspells &quot;Emerald&quot;.</extracomment>
        <translation>Esmeralda</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Coelho</translation>
    </message>
    <message>
        <source>Malaquite</source>
        <extracomment>A crystal; the English misspells &quot;Malachite&quot;.</extracomment>
        <translation>Malaquita</translation>
    </message>
    <message>
        <source>Turtle / Tortoise</source>
        <translation>Tartaruga</translation>
    </message>
    <message>
        <source>Serpentine</source>
        <translation>Serpentina</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>The month.</extracomment>
        <translation>maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dezembro</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <extracomment>Shown when the program is started while another copy of it runs.</extracomment>
        <translation>O programa já está em execução.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <extracomment>First line of the question at start-up; the English &quot;maybe&quot; is meant as &quot;may be&quot;.</extracomment>
        <translation>Talvez haja uma atualização disponível para este programa.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <extracomment>Second line of the question, answered Yes or No.</extracomment>
        <translation>Deseja procurar uma atualização?</translation>
    </message>
</context>
</TS>
