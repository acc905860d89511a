<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>AboutText</name>
    <message>
        <source>Version: %1.%2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beta Testers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special Thanks!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lead Programmer<byte value="xd"/>
    Ray Tovane<byte value="xd"/>
    ray@tovane.example<byte value="xd"/>
<byte value="xd"/>
&apos;Umm I can add that...I think.&apos;<byte value="xd"/>
<byte value="xd"/>
Programming Help<byte value="xd"/>
#widgets on the Tovane chat server<byte value="xd"/>
Where the regulars answer questions about desktop programming.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lead Tester<byte value="xd"/>
    Mina Calder<byte value="xd"/>
    mina@tovane.example<byte value="xd"/>
<byte value="xd"/>
&apos;Nope, don&apos;t work for me.&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special thanks to:<byte value="xd"/>
     Jo Pemberton<byte value="xd"/>
     jo@tovane.example<byte value="xd"/>
<byte value="xd"/>
&apos;Cool...turn off the computer now.&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A small board on the desktop for programs, notes, mail and web search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output version information and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Zendra 98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printing support of Zendra 98 is not installed (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Esetup</name>
    <message>
        <source>Zendra Email Check Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for new email messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes between checks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minute(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Manual Check Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POP3 Email Server </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail Server Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POP3 Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: your password and mail cross the network unencrypted; anyone on the way can read them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A password is kept in email.dat, readable by you alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop trusting the certificate when OK is pressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound-Alert When New Messages Arrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A password is kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trusted certificate: SHA-256 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wav Files (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have failed to enter all the needed information. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information Incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The email settings could not be saved in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyring did not take the password: %1
It is kept in email.dat, readable by you alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in with an online account of this desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The online account %1 is no longer on this desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No password is kept: the desktop signs in.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExitStore</name>
    <message>
        <source>Zendra 98 could not save %1 in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zendra 98 could not save %1 and %2 in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zendra 98 could not save %1 and %2 and %3 in %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Zendra 98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The files there are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;osition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Right Corner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Right Corner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Left Corner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tovane Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zendra 98 Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for &amp;Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Left Corner</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IconStrip</name>
    <message>
        <source>Icon strip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon strip arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty button %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoPictures</name>
    <message>
        <source>Thanks for using Zendra 98!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoWindows</name>
    <message>
        <source>Ti&amp;ps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>The keyring support of Zendra 98 is not installed (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the desktop&apos;s keyring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no desktop session bus to reach a keyring.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keyring (GNOME Keyring, KWallet or KeePassXC) is running on this desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyring is locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyring did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LaunchIcons</name>
    <message>
        <source>Item%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial Up Networking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Launch Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default Positions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailCheck</name>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for new mail on %1 for %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have no new messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during RetrieveCurrentMsg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The automatic check at %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of the mail server %1 is not trusted: %2.

Issued to: %3
Issued by: %4
Valid from %5 to %6
SHA-256 fingerprint: %7

Do you want to trust this certificate for this account? Do so only if you know that the server uses it. A different certificate will then be refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untrusted Certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trusted certificate could not be saved in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n messages could not be read. The first error: %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more message(s) not listed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The online account %1 is no longer on this desktop. Choose another account, or enter a password, in Email Setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s online accounts do not answer, so %1 cannot sign in. Check that GNOME Online Accounts is installed and running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sign-in of the online account %1 was refused. Sign in to it again in the desktop&apos;s settings (Online Accounts), then check again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailController</name>
    <message>
        <source>Check &amp;Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n message(s) waiting</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n message(s) waiting
%1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Zendra Email Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disable Auto Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable &amp;Auto Check</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailIndicator</name>
    <message>
        <source>There was an error reading the email graphic file. Please check to ensure that there is a vaild &apos;email.gif&apos; file in the Zendra 98 directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click anywhere in the black box to view your email headers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New mail animation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailSecurity</name>
    <message>
        <source>TLS on connect (port 995)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STARTTLS, required (port 110)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None (clear text)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetSearch</name>
    <message>
        <source>Net &amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteSlots</name>
    <message>
        <source>Note %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Zendra Note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OnlineAccounts</name>
    <message>
        <source>The desktop&apos;s online accounts do not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop gave no usable token.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PadAnimation</name>
    <message>
        <source>Scratch Pad animation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pop3</name>
    <message>
        <source>The mail support of Zendra 98 is not installed (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pop3ClientQt</name>
    <message>
        <source>The mail server refused without giving a reason.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server&apos;s reply was too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is signed only by itself, not by an authority this computer trusts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not signed by an authority this computer trusts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it expired on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not valid before %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is made out for %1, not for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has been revoked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user name or password holds a line break; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server address &quot;%1&quot; is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: the server sent clear text before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server %1 did not answer as a POP3 server does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server %1 offered a secure connection but did not start it: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server %1 does not offer a secure connection (STARTTLS), which this account requires. Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server %1 gave a message count that is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server %1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server %1 refused the connection on port %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of %1 is not the one you chose to trust for this account, so the connection was refused. Trusted: SHA-256 %2. Offered now: SHA-256 %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the mail server %1 was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The mail check took longer than %n minutes and was stopped.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The mail server %1 did not answer within %n seconds.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Signing in with an online account needs a secure connection; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server %1 does not offer sign-in with an online account (SASL XOAUTH2): %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesController</name>
    <message>
        <source>&amp;Preferences</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScratchPad</name>
    <message>
        <source>Scratch Pad options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the Scratch Pad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Auto Text Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save and Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zendra 98 could not save the Scratch Pad in %1. The pad stays open with its text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scratch Pad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you wish to save the contents of the Scratch Pad?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zendra 98 could not save the setting in %1. Automatic saving is on until Zendra 98 ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zendra 98 could not save the setting in %1. Automatic saving is off until Zendra 98 ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zendra 98 could not save the Scratch Pad in %1. Automatic saving goes on trying; use &quot;Save and Close&quot; once the folder can be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you wish to save the contents of the Scratch Pad<byte value="xd"/>
and open it the next time you run Zendra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open S&amp;cratch Pad</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchEngines</name>
    <message>
        <source>&amp;Yahoo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yahoo! Inc. offers a globally-branded Internet navigational service to information and entertainment on the Web.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alta Vista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use AltaVista to search the Web or Usenet. Features like language-specific results make AltaVista your searching choice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HotBot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HotBot is the most comprehensive search engine. Consistently rated #1, it is the most effective at helping you find exactly what you are looking for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lycos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let Lycos be your Personal Guide to the Internet. Surf their Web Guides by category, vote for your favorite sites, and join the Lycos community.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Infoseek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World Wide Web searching at its finest. Just enter your topic of interest. Advanced search features allow you to search for a specific site, URL, title, or links to a page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;WebCrawler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebCrawler is a powerful search service that helps you find personally relevant information in the sea of Web content. In addition, the WebCrawler Guide reviews and their growing collection of WebCrawler Services partners make WebCrawler the place to go when you&apos;re seeking inspiration or just want to see what&apos;s out there.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VolumeButtons</name>
    <message>
        <source>Volume up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Zendra 98 icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your notes, programs, mail and searches on one small board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Zendra 98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zendra 98</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmChecking</name>
    <message>
        <source>Checking Email</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCredits</name>
    <message>
        <source>Zendra 98 Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zendra 98 logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmEmail</name>
    <message>
        <source>Zendra Email Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Checked:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email &amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Launch Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Sent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Email Messages - %n message(s) waiting (the first %1 listed)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Email Messages - %n message(s) waiting</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Security: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNote</name>
    <message>
        <source>Zendra Note - New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ime/Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Zendra 98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a saved note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the current note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zendra Notes (*.zrn)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zendra 98 could not read %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you wish to overwrite this note?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are You Sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first delete a note before you can save a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zendra 98 could not save the note as %1. The note is still in the editor; save it again when the folder can be written to.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPassword</name>
    <message>
        <source>Enter Email Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPref</name>
    <message>
        <source>Zendra Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background image file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Center Image on Zendra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program &amp;Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Icons For</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;My Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dial Up Net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control &amp;Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xplorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calc&amp;ulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;otepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tray Icon for Zendra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Al&amp;ways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;ver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When not &quot;On &amp;Top&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emai&amp;l Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Zendra 98 when I lo&amp;g in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Types (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gif Images (*.gif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jpeg Images (*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Png Images (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have specified an invalid filename.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a title for this program.<byte value="xd"/>
<byte value="xd"/>
This is the name that will appear on your quick launch menus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zendra 98 could not save the preferences in %1. The file there is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zendra 98 could not change %1, so it does not change whether it starts when you log in.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>You are already running Zendra 98.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTip</name>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light bulb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That the TIPOFDAY.TXT file was not found? 

You may have deleted a file named TIPOFDAY.TXT if you would like to get this file back email us at: zendra98@tovane.example. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmnetsearch</name>
    <message>
        <source>Zendra Net Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seach the Net For:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the Net for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Lis&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search With:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click to visit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click or press Enter to visit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
