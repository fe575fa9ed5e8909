<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>BusRefusal</name>
    <message>
        <source>this Tessaly has no %1 property; it may be an older version</source>
        <translation>この Tessaly には %1 プロパティがありません。古いバージョンの可能性があります</translation>
    </message>
    <message>
        <source>%1 MHz is outside the band in use, %2 MHz</source>
        <translation>%1 MHz は使用中のバンド（%2 MHz）の範囲外です</translation>
    </message>
    <message>
        <source>the session bus did not answer within %1 s; it may be stuck, so Tessaly cannot be reached (see --timeout)</source>
        <translation>セッションバスが %1 秒以内に応答しませんでした。バスが止まっている可能性があり、Tessaly に接続できません（--timeout を参照）</translation>
    </message>
    <message>
        <source>Tessaly is not running and could not be started (%1); start it with &apos;tessaly --background&apos;, or &apos;tessaly --headless&apos; without a display</source>
        <translation>Tessaly が起動しておらず、起動もできませんでした（%1）。&apos;tessaly --background&apos; で起動するか、ディスプレイがない場合は &apos;tessaly --headless&apos; で起動してください</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s; it may be busy or stopped, and the command may still take effect (see --timeout)</source>
        <translation>Tessaly が %1 秒以内に応答しませんでした。処理中か停止している可能性があります。コマンドは後から反映されることがあります（--timeout を参照）</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s; it may be busy or stopped (see --timeout)</source>
        <translation>Tessaly が %1 秒以内に応答しませんでした。処理中か停止している可能性があります（--timeout を参照）</translation>
    </message>
    <message>
        <source>this Tessaly has no %1 method; it may be an older version</source>
        <translation>この Tessaly には %1 メソッドがありません。古いバージョンの可能性があります</translation>
    </message>
    <message>
        <source>the transmitter did not take the change</source>
        <translation>トランスミッターが変更を受け付けませんでした</translation>
    </message>
    <message>
        <source>the transmitter did not take the change (%1)</source>
        <translation>トランスミッターが変更を受け付けませんでした（%1）</translation>
    </message>
    <message>
        <source>this Tessaly runs without windows (headless), so there is none to show</source>
        <translation>この Tessaly はウィンドウなし（ヘッドレス）で動作しているため、表示するウィンドウがありません</translation>
    </message>
    <message>
        <source>the favourites are full; remove one first</source>
        <translation>お気に入りがいっぱいです。先にどれかを削除してください</translation>
    </message>
    <message>
        <source>the favourites are full; remove one first (%1)</source>
        <translation>お気に入りがいっぱいです。先にどれかを削除してください（%1）</translation>
    </message>
    <message>
        <source>%1 MHz is not a favourite</source>
        <translation>%1 MHz はお気に入りに登録されていません</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Keys:
Type a frequency, such as 88.1, then Enter: tune to it
Space: press the focused button; held on an arrow, keep stepping
Tab, Shift+Tab: move between the controls
Arrows, Page Up, Page Down, Home, End: move a focused slider
Alt+Space or a right click: the window&apos;s menu
Enter, Escape: close the window</source>
        <translation>キー操作：
周波数（例: 88.1）を入力して Enter：その周波数に合わせます
Space：フォーカスのあるボタンを押します。矢印ボタンで押し続けると周波数が連続して変わります
Tab、Shift+Tab：ボタンやスライダーの間を移動します
矢印キー、Page Up、Page Down、Home、End：フォーカスのあるスライダーを動かします
Alt+Space または右クリック：ウィンドウのメニューを開きます
Enter、Escape：ウィンドウを閉じます</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>Corvane について</translation>
    </message>
    <message>
        <source>Corvane Beta 1.1.1</source>
        <extracomment>The program&apos;s name and version</extracomment>
        <translation>Corvane Beta 1.1.1</translation>
    </message>
    <message>
        <source>Sends your computer&apos;s sound to a nearby FM radio.</source>
        <translation>コンピューターの音声を近くの FM ラジオに送ります。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CFrequencyReadout</name>
    <message>
        <source>NO TRANSMITTER</source>
        <extracomment>On the display above the frequency, in capitals where the language has them; keep it short</extracomment>
        <translation>未接続</translation>
    </message>
    <message>
        <source>NO PERMISSION</source>
        <extracomment>On the display above the frequency, in capitals where the language has them; keep it short</extracomment>
        <translation>アクセス権なし</translation>
    </message>
    <message>
        <source>install 70-tessaly.rules, then replug</source>
        <extracomment>On the display below the frequency: the fix for NO PERMISSION; keep it short</extracomment>
        <translation>70-tessaly.rules を導入後、挿し直し</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency: %1 is its number in MHz, with two decimals</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change (write failed at %1).</source>
        <extracomment>%1 is the time of day</extracomment>
        <translation>トランスミッターが最後の変更を受け付けませんでした（%1 に書き込み失敗）。</translation>
    </message>
    <message>
        <source>Off air</source>
        <translation>送信停止</translation>
    </message>
    <message>
        <source>Plug the transmitter in; %1 goes out once it is connected.</source>
        <extracomment>%1 is a frequency, such as 88.10 MHz</extracomment>
        <translation>トランスミッターを接続してください。接続すると %1 の設定がトランスミッターに送られます。</translation>
    </message>
    <message>
        <source>No transmitter</source>
        <translation>トランスミッター未接続</translation>
    </message>
    <message>
        <source>No permission for the transmitter</source>
        <translation>トランスミッターへのアクセス権がありません</translation>
    </message>
    <message>
        <source>The transmitter is plugged in, but this user may not use it. Install the udev rule 70-tessaly.rules into /usr/lib/udev/rules.d/ (the package does), then unplug the transmitter and plug it in again.</source>
        <translation>トランスミッターは接続されていますが、このユーザーには使用する権限がありません。udev ルール 70-tessaly.rules を /usr/lib/udev/rules.d/ にインストールし（パッケージからインストールした場合は導入済みです）、トランスミッターをいったん抜いて挿し直してください。</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <extracomment>What a screen reader says while a frequency is typed: %1 is what was typed so far, such as 88.1</extracomment>
        <translation>入力中 %1</translation>
    </message>
</context>
<context>
    <name>CHearingDlg</name>
    <message>
        <source>Check again</source>
        <translation>再チェック</translation>
    </message>
    <message>
        <source>Why can&apos;t I hear it?</source>
        <translation>音が聞こえない原因を調べる</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>From the transmitter to the sound, in order</source>
        <translation>トランスミッターから音声まで、順番に確認した項目</translation>
    </message>
    <message>
        <source>Checks every link and measures the sound going into the transmitter for up to 2 seconds</source>
        <translation>すべての項目を確認し、トランスミッターに送られる音声を最大 2 秒間測定します</translation>
    </message>
    <message>
        <source>Checking, and listening to the sound for up to 2 seconds…</source>
        <translation>確認中です。音声を最大 2 秒間測定しています…</translation>
    </message>
    <message>
        <source>Mend this first: %1</source>
        <translation>まずこれを直してください：%1</translation>
    </message>
    <message>
        <source>Every link holds: tune the radio to the transmitter&apos;s frequency.</source>
        <translation>すべての項目に問題はありません。ラジオをトランスミッターの周波数に合わせてください。</translation>
    </message>
    <message>
        <source>Every link checked holds; &quot;Check again&quot; measures the sound too.</source>
        <translation>確認した項目に問題はありません。「再チェック」を押すと音声も測定します。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the hearing check: its verdict (%1, as &quot;OK&quot;), then what it found (%2)</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>CMainPanel</name>
    <message>
        <source>PA-VALUE</source>
        <extracomment>The transmit power, as the slider&apos;s label reads</extracomment>
        <translation>PA-VALUE</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>TX-GAIN</source>
        <extracomment>The transmitter&apos;s input gain, as the slider&apos;s label reads</extracomment>
        <translation>TX-GAIN</translation>
    </message>
    <message>
        <source>DONE</source>
        <extracomment>The button that closes the settings window</extracomment>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>CTransmitterDlg</name>
    <message>
        <source>Play &amp;sound through the transmitter</source>
        <translation>トランスミッターで音声を再生(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Control from a phone…</source>
        <translation>スマートフォンから操作(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Why can&apos;t I hear it?</source>
        <translation>音が聞こえない原因を調べる(&amp;W)</translation>
    </message>
    <message>
        <source>Tessaly</source>
        <extracomment>The program&apos;s name, as its windows&apos; title</extracomment>
        <translation>Tessaly</translation>
    </message>
    <message>
        <source>Play &amp;sound through the transmitter (on, but %1; choose to put it back)</source>
        <extracomment>%1 says where the sound plays instead, as the sound settings have it</extracomment>
        <translation>トランスミッターで音声を再生（オンですが、%1。選ぶと元に戻します）(&amp;S)</translation>
    </message>
    <message>
        <source>The transmitter&apos;s sound card was not found: the computer&apos;s sound keeps playing where it did.</source>
        <translation>トランスミッターのサウンドカードが見つかりません。コンピューターの音声はこれまでの出力先で再生されます。</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Tessaly</source>
        <extracomment>The program&apos;s name, the tray icon&apos;s tip until it has the transmitter&apos;s state</extracomment>
        <translation>Tessaly</translation>
    </message>
</context>
<context>
    <name>CTypedEntry</name>
    <message>
        <source>%1: only %2 to %3 in %4 MHz steps</source>
        <extracomment>%1 is the frequency typed, %2 and %3 the band&apos;s ends, %4 the step in MHz, such as 0.05</extracomment>
        <translation>%1：設定できるのは %2～%3 の範囲で、%4 MHz 刻みの周波数だけです</translation>
    </message>
</context>
<context>
    <name>CWebControlDlg</name>
    <message>
        <source>Serve the page</source>
        <translation>ページを提供する</translation>
    </message>
    <message>
        <source>Let other devices on the network reach it</source>
        <translation>ネットワーク上のほかの機器からの接続を許可する</translation>
    </message>
    <message>
        <source>Let my phone reach it</source>
        <translation>スマートフォンからの接続を許可</translation>
    </message>
    <message>
        <source>Control from a phone</source>
        <translation>スマートフォンから操作</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The network port the page is served on</extracomment>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>The page&apos;s web address</extracomment>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Anyone on the same network who has the code can then control the transmitter</source>
        <translation>許可すると、同じネットワーク上でこのコードを持つ人は誰でもトランスミッターを操作できます</translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation>アドレスの QR コード</translation>
    </message>
    <message>
        <source>Renew the token</source>
        <translation>トークンを更新</translation>
    </message>
    <message>
        <source>A new address: pages opened with the old one stop working</source>
        <translation>新しいアドレスを発行します。古いアドレスで開いたページは使えなくなります</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>アドレス：</translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation>ページは提供されていません。</translation>
    </message>
    <message>
        <source>Only this computer may open the page: a phone cannot reach this address. Once you let it, anyone on the same network who has the code can control the transmitter.</source>
        <translation>このページを開けるのはこのコンピューターだけで、スマートフォンからはこのアドレスに接続できません。接続を許可すると、同じネットワーク上でコードを持つ人は誰でもトランスミッターを操作できるようになります。</translation>
    </message>
    <message>
        <source>This computer has no network a phone could share: connect it to the phone&apos;s network (for example its Wi-Fi) first.</source>
        <translation>このコンピューターは、スマートフォンと共有できるネットワークに接続されていません。先にスマートフォンと同じネットワーク（Wi-Fi など）に接続してください。</translation>
    </message>
    <message>
        <source>Scan the code with a phone on the same network as this computer.</source>
        <translation>このコンピューターと同じネットワークにつないだスマートフォンで、コードを読み取ってください。</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two addresses in a list</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>Also reachable at: %1</source>
        <translation>次のアドレスでも接続できます：%1</translation>
    </message>
</context>
<context>
    <name>CheckText</name>
    <message>
        <source>Tessaly answers</source>
        <extracomment>tessalyctl check&apos;s first line: the program answered over the session bus</extracomment>
        <translation>Tessaly が応答しています</translation>
    </message>
</context>
<context>
    <name>CtlClient</name>
    <message>
        <source>the web page is not served; &apos;tessalyctl web on&apos; serves it</source>
        <translation>Web ページは提供されていません。&apos;tessalyctl web on&apos; で提供を開始します</translation>
    </message>
    <message>
        <source>there are no favourites; &apos;tessalyctl favourite add&apos; adds one</source>
        <translation>お気に入りがありません。&apos;tessalyctl favourite add&apos; で追加できます</translation>
    </message>
    <message>
        <source>no favourite in the band in use</source>
        <translation>使用中のバンドにお気に入りがありません</translation>
    </message>
    <message>
        <source>Tessaly is not running: start it with &apos;tessaly&apos;, or &apos;tessaly --headless&apos; where there is no desktop</source>
        <translation>Tessaly が起動していません。&apos;tessaly&apos; で起動するか、デスクトップがない環境では &apos;tessaly --headless&apos; で起動してください</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s (see --timeout)</source>
        <translation>Tessaly が %1 秒以内に応答しませんでした（--timeout を参照）</translation>
    </message>
    <message>
        <source>Tessaly could not check: %1</source>
        <translation>Tessaly がチェックを実行できませんでした: %1</translation>
    </message>
    <message>
        <source>no session bus to reach Tessaly on (%1): run this inside the desktop session, or start a bus and &apos;tessaly --headless&apos; on it</source>
        <translation>Tessaly に接続するためのセッションバスがありません（%1）。デスクトップセッション内で実行するか、バスを起動してその上で &apos;tessaly --headless&apos; を実行してください</translation>
    </message>
    <message>
        <source>no session bus to reach Tessaly on (%1); run this inside the desktop session, or start a bus and &apos;tessaly --headless&apos; on it</source>
        <translation>Tessaly に接続するためのセッションバスがありません（%1）。デスクトップセッション内で実行するか、バスを起動してその上で &apos;tessaly --headless&apos; を実行してください</translation>
    </message>
    <message>
        <source>no transmitter is connected: the change is stored and goes out when one is plugged in</source>
        <translation>トランスミッターが接続されていません。変更は保存され、接続されたときに送られます</translation>
    </message>
    <message>
        <source>no sound server is running: the choice is stored and the sound is routed once one is</source>
        <translation>サウンドサーバーが動作していません。設定は保存され、サウンドサーバーが起動すると音声をトランスミッターに出力します</translation>
    </message>
</context>
<context>
    <name>CtlCommand</name>
    <message>
        <source>Try &apos;tessalyctl --help&apos;.</source>
        <translation>&apos;tessalyctl --help&apos; を参照してください。</translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 には %2 を指定してください（&apos;%3&apos; は指定できません）</translation>
    </message>
    <message>
        <source>%1 takes no value, not &apos;%2&apos;</source>
        <translation>%1 には値を指定できません（&apos;%2&apos; が指定されました）</translation>
    </message>
    <message>
        <source>%1 takes only --json, not &apos;%2&apos;</source>
        <translation>%1 に指定できるのは --json だけです（&apos;%2&apos; は指定できません）</translation>
    </message>
    <message>
        <source>%1 takes one value</source>
        <translation>%1 には値を 1 つ指定してください</translation>
    </message>
    <message>
        <source>--json goes with status and check only</source>
        <translation>--json は status と check でのみ使えます</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>不明なコマンド &apos;%1&apos; です</translation>
    </message>
    <message>
        <source>Controls the running Tessaly over the session bus.</source>
        <translation>起動中の Tessaly をセッションバス経由で操作します。</translation>
    </message>
    <message>
        <source>With status: one JSON object keyed by property name.</source>
        <translation>status と併用：プロパティ名をキーとする JSON オブジェクトを 1 つ出力します。</translation>
    </message>
    <message>
        <source>How long to wait for the session bus and for Tessaly to answer (default 5).</source>
        <translation>セッションバスと Tessaly の応答を待つ秒数（既定値 5）。</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>The value --timeout takes, shown as &lt;seconds&gt;</extracomment>
        <translation>秒数</translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>The first word after tessalyctl, in its --help; the command words themselves stay as they are</extracomment>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>What to do; see Commands below.</source>
        <translation>実行する操作。下の「コマンド」を参照してください。</translation>
    </message>
    <message>
        <source>[command [value]]</source>
        <extracomment>The synopsis; the command words themselves stay as they are</extracomment>
        <translation>[コマンド [値]]</translation>
    </message>
    <message>
        <source>--timeout takes seconds above 0, such as 5 or 0.5, not &apos;%1&apos;</source>
        <extracomment>5 and 0.5 are what to type: keep the decimal point, which --timeout takes alone</extracomment>
        <translation>--timeout には 0 より大きい秒数（5 や 0.5 など）を指定してください（&apos;%1&apos; は指定できません）</translation>
    </message>
</context>
<context>
    <name>CtlCommands</name>
    <message>
        <source>show every setting (the default command)</source>
        <translation>すべての設定を表示します（既定のコマンド）</translation>
    </message>
    <message>
        <source>why the radio may be silent: each link from the transmitter to
the sound, ok or broken with what to do; measures the sound 2 s</source>
        <translation>ラジオが無音になる原因を調べます。トランスミッターから音声までの各項目が
OK か問題ありかと対処法を示します。音声を 2 秒間測定します</translation>
    </message>
    <message>
        <source>go on air, off air, or the other way</source>
        <translation>送信を開始、停止、または切り替えます</translation>
    </message>
    <message>
        <source>mute or unmute the transmitted audio</source>
        <translation>送信する音声をミュート、またはミュート解除します</translation>
    </message>
    <message>
        <source>tune to MHZ, e.g. 88.5, on the 50 kHz grid</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>周波数を MHZ（例: 88.5、50 kHz 単位）に合わせます</translation>
    </message>
    <message>
        <source>one tuning step up or down (on air only)</source>
        <translation>周波数を 1 ステップ上げるか下げます（送信中のみ）</translation>
    </message>
    <message>
        <source>transmit power, the PA-VALUE slider</source>
        <translation>送信出力（PA-VALUE スライダー）</translation>
    </message>
    <message>
        <source>audio input gain, the TX-GAIN slider</source>
        <translation>音声の入力ゲイン（TX-GAIN スライダー）</translation>
    </message>
    <message>
        <source>stereo or mono transmission</source>
        <translation>ステレオまたはモノラルで送信します</translation>
    </message>
    <message>
        <source>the frequency band in MHz</source>
        <translation>周波数バンド（MHz）</translation>
    </message>
    <message>
        <source>the tuning step in kHz</source>
        <translation>ステップ（kHz）</translation>
    </message>
    <message>
        <source>the de-emphasis in microseconds</source>
        <translation>ディエンファシス（マイクロ秒）</translation>
    </message>
    <message>
        <source>route the desktop&apos;s sound to the transmitter</source>
        <translation>デスクトップの音声をトランスミッターに出力します</translation>
    </message>
    <message>
        <source>the favourite frequencies, one a line in MHz</source>
        <translation>お気に入りの周波数を 1 行に 1 つ、MHz で表示します</translation>
    </message>
    <message>
        <source>add MHZ, or the frequency in use, to the favourites</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>MHZ または使用中の周波数をお気に入りに追加します</translation>
    </message>
    <message>
        <source>remove MHZ from the favourites</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>MHZ をお気に入りから削除します</translation>
    </message>
    <message>
        <source>tune to the next favourite above or below, round</source>
        <translation>上または下の次のお気に入りに合わせます（端で折り返し）</translation>
    </message>
    <message>
        <source>go on air once a transmitter is connected after the start</source>
        <translation>起動後、トランスミッターが接続されたら送信を開始します</translation>
    </message>
    <message>
        <source>start Tessaly, in the tray, when you log in</source>
        <translation>ログイン時に Tessaly をトレイで起動します</translation>
    </message>
    <message>
        <source>serve the web page for phones, or stop</source>
        <translation>スマートフォン用の Web ページを提供、または停止します</translation>
    </message>
    <message>
        <source>print the page&apos;s address</source>
        <translation>ページのアドレスを表示します</translation>
    </message>
    <message>
        <source>a new address; the old one stops working</source>
        <translation>新しいアドレスを発行します。古いアドレスは使えなくなります</translation>
    </message>
    <message>
        <source>let other devices on the network reach the page</source>
        <translation>ネットワーク上のほかの機器からページへの接続を許可します</translation>
    </message>
    <message>
        <source>the page&apos;s port</source>
        <translation>ページのポート</translation>
    </message>
    <message>
        <source>show and raise the main window</source>
        <translation>メインウィンドウを表示して前面に出します</translation>
    </message>
    <message>
        <source>Exit status:
  0  done
  1  Tessaly refused the request or failed to carry it out
  2  usage error or bad value; nothing was sent
  3  Tessaly is not running and could not be started, or the session bus did not answer
  4  Tessaly did not answer in time (see --timeout); the command may still take effect
  check: 0 when every link holds, 1 when one is broken, also when Tessaly is not running or does
  not answer within %1 s (or --timeout)
</source>
        <translation>終了ステータス:
  0  完了
  1  Tessaly が要求を拒否したか、実行に失敗しました
  2  使い方の誤りまたは不正な値です。何も送信していません
  3  Tessaly が起動しておらず起動もできなかったか、セッションバスが応答しませんでした
  4  Tessaly が時間内に応答しませんでした（--timeout を参照）。コマンドは後から反映されることがあります
  check: すべての項目に問題がなければ 0、問題があれば 1。Tessaly が起動していない場合や
  %1 秒（または --timeout）以内に応答しない場合も 1
</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>コマンド:</translation>
    </message>
</context>
<context>
    <name>FavouritesFile</name>
    <message>
        <source>longer than 64 KiB, so it is never rewritten; shorten it by hand</source>
        <translation>64 KiB を超えているため、書き換えません。手作業で短くしてください</translation>
    </message>
</context>
<context>
    <name>FavouritesNotice</name>
    <message>
        <source>Line %1, “%2”: no frequency in kHz on the 50 kHz grid of either band</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text</extracomment>
        <translation>%1 行目「%2」：どちらのバンドの 50 kHz 単位にも合う周波数（kHz）がありません</translation>
    </message>
    <message>
        <source>Line %1, “%2”: the same frequency as an earlier line</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text</extracomment>
        <translation>%1 行目「%2」：前の行と同じ周波数です</translation>
    </message>
    <message>
        <source>Line %1, “%2”: only the lowest %3 frequencies are used</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text, %3 how many favourites are used</extracomment>
        <translation>%1 行目「%2」：使われるのは低いほうから %3 件の周波数だけです</translation>
    </message>
    <message>
        <source>Some lines of %1 give no favourite frequency.</source>
        <extracomment>%1 is the file&apos;s path</extracomment>
        <translation>%1 の一部の行から、お気に入りの周波数を読み取れませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <extracomment>After the lines named: how many more were left out</extracomment>
        <translation>
            <numerusform>…ほか %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is longer than 64 KiB: only its beginning is read, and it is never rewritten. Shorten it by hand.</source>
        <translation>ファイルが 64 KiB を超えています。先頭部分だけを読み込み、ファイルは書き換えません。手作業で短くしてください。</translation>
    </message>
    <message>
        <source>The file stays as it is, and is kept as Favourites.ini.bak once the favourites change.</source>
        <translation>ファイルはそのまま残し、お気に入りを変更したときに Favourites.ini.bak として保存します。</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>not a regular file, left alone</source>
        <translation>通常のファイルではないため、そのままにします</translation>
    </message>
</context>
<context>
    <name>HearingCheck</name>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>broken</source>
        <translation>問題あり</translation>
    </message>
    <message>
        <source>Broken</source>
        <translation>問題あり</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>未確認</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>未確認</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A broken link of the hearing check: the problem (%1), then what mends it (%2)</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>on air</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked (also: the state &quot;on air&quot;)</extracomment>
        <translation>送信中</translation>
    </message>
    <message>
        <source>the transmitter plugged in</source>
        <translation>トランスミッターの接続</translation>
    </message>
    <message>
        <source>the transmitter taking the changes</source>
        <translation>トランスミッターへの変更の反映</translation>
    </message>
    <message>
        <source>mute</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked: whether the sound is muted</extracomment>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>power</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked: the transmit power</extracomment>
        <translation>送信出力</translation>
    </message>
    <message>
        <source>the sound server</source>
        <translation>サウンドサーバー</translation>
    </message>
    <message>
        <source>the transmitter&apos;s sound card</source>
        <translation>トランスミッターのサウンドカード</translation>
    </message>
    <message>
        <source>where the sound goes</source>
        <translation>音声の出力先</translation>
    </message>
    <message>
        <source>something playing</source>
        <translation>音声の再生</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output in the sound settings</source>
        <translation>サウンド設定でのトランスミッターの出力</translation>
    </message>
    <message>
        <source>the sound&apos;s level</source>
        <translation>音声のレベル</translation>
    </message>
    <message>
        <source>the transmitter is not plugged in</source>
        <translation>トランスミッターが接続されていません</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>アクセス権がありません</translation>
    </message>
    <message>
        <source>install 70-tessaly.rules, then plug it in again</source>
        <translation>70-tessaly.rules をインストールしてから、挿し直してください</translation>
    </message>
    <message>
        <source>the transmitter is plugged in</source>
        <translation>トランスミッターが接続されています</translation>
    </message>
    <message>
        <source>the transmitter took every change</source>
        <translation>トランスミッターはすべての変更を受け付けました</translation>
    </message>
    <message>
        <source>the transmitter did not take the last change (at %1)</source>
        <extracomment>%1 is the time of day the write failed, as 14:03:07</extracomment>
        <translation>トランスミッターが最後の変更を受け付けませんでした（%1）</translation>
    </message>
    <message>
        <source>unplug it and plug it in again</source>
        <translation>いったん抜いて挿し直してください</translation>
    </message>
    <message>
        <source>off air</source>
        <translation>送信停止中</translation>
    </message>
    <message>
        <source>press the on-air button (&quot;%1&quot;, read aloud as &quot;%2&quot;)</source>
        <extracomment>The fix in the main window: %1 is the on-air button&apos;s tooltip, %2 the name a screen reader says for it</extracomment>
        <translation>送信ボタン（「%1」、読み上げ名「%2」）を押してください</translation>
    </message>
    <message>
        <source>not muted</source>
        <translation>ミュートされていません</translation>
    </message>
    <message>
        <source>muted</source>
        <translation>ミュート中</translation>
    </message>
    <message>
        <source>press %1</source>
        <extracomment>The fix in the main window: %1 is the name of the button to press (its tooltip), as &quot;Mute&quot;</extracomment>
        <translation>「%1」を押してください</translation>
    </message>
    <message>
        <source>power %1 of %2</source>
        <extracomment>The transmit power: %1 of at most %2</extracomment>
        <translation>送信出力 %1/%2</translation>
    </message>
    <message>
        <source>power is 0</source>
        <translation>送信出力が 0 です</translation>
    </message>
    <message>
        <source>move the %1 slider up</source>
        <extracomment>A fix: %1 is the power slider&apos;s name, as the window or the page prints it beside the slider</extracomment>
        <translation>「%1」スライダーを上げてください</translation>
    </message>
    <message>
        <source>no sound server is running</source>
        <translation>サウンドサーバーが動作していません</translation>
    </message>
    <message>
        <source>start PipeWire or PulseAudio, or log in again</source>
        <translation>PipeWire か PulseAudio を起動するか、ログインし直してください</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>サウンドサーバーが応答しません</translation>
    </message>
    <message>
        <source>restart it, or log in again</source>
        <translation>サウンドサーバーを再起動するか、ログインし直してください</translation>
    </message>
    <message>
        <source>PipeWire&apos;s pulse server answers</source>
        <translation>PipeWire の pulse サーバーが応答しています</translation>
    </message>
    <message>
        <source>the sound server answers</source>
        <translation>サウンドサーバーが応答しています</translation>
    </message>
    <message>
        <source>the sound server has the transmitter&apos;s sound card</source>
        <translation>サウンドサーバーがトランスミッターのサウンドカードを認識しています</translation>
    </message>
    <message>
        <source>the sound server does not have the transmitter&apos;s sound card</source>
        <translation>サウンドサーバーがトランスミッターのサウンドカードを認識していません</translation>
    </message>
    <message>
        <source>unplug the transmitter and plug it in again</source>
        <translation>トランスミッターをいったん抜いて挿し直してください</translation>
    </message>
    <message>
        <source>the sound goes to the transmitter</source>
        <translation>音声はトランスミッターに出力されています</translation>
    </message>
    <message>
        <source>the sound goes to %1, not to the transmitter</source>
        <extracomment>%1 is the output the sound goes to, as the sound settings name it (or &quot;no output&quot;)</extracomment>
        <translation>音声がトランスミッターではなく %1 に出力されています</translation>
    </message>
    <message>
        <source>no output</source>
        <translation>出力なし</translation>
    </message>
    <message>
        <source>choose &quot;Play sound through the transmitter&quot; in the window menu</source>
        <extracomment>The fix in the main window: the quoted words are its menu&apos;s item &quot;Play &amp;sound through the transmitter&quot;</extracomment>
        <translation>ウィンドウメニューで「トランスミッターで音声を再生」を選んでください</translation>
    </message>
    <message>
        <source>choose &quot;Play sound through the transmitter&quot; in the program&apos;s window menu</source>
        <extracomment>The fix on the phone page: the quoted words are the program window menu&apos;s item of that name</extracomment>
        <translation>コンピューター上の Tessaly のウィンドウメニューで「トランスミッターで音声を再生」を選んでください</translation>
    </message>
    <message>
        <source>something is playing</source>
        <translation>音声が再生されています</translation>
    </message>
    <message>
        <source>%1 plays to %2, not to the transmitter</source>
        <extracomment>%1 is a program (or its stream) as the sound settings name it, %2 the output it plays to</extracomment>
        <translation>%1 がトランスミッターではなく %2 に出力されています</translation>
    </message>
    <message>
        <source>nothing is playing</source>
        <translation>何も再生されていません</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output is not muted</source>
        <translation>トランスミッターの出力はミュートされていません</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output is muted in the sound settings</source>
        <translation>サウンド設定でトランスミッターの出力がミュートされています</translation>
    </message>
    <message>
        <source>unmute it there</source>
        <translation>サウンド設定でミュートを解除してください</translation>
    </message>
    <message>
        <source>the sound reaches %1 dBFS</source>
        <extracomment>For scripts and tessalyctl: %1 is the loudest level measured, in decibels below full scale</extracomment>
        <translation>音声のピークは %1 dBFS です</translation>
    </message>
    <message>
        <source>the sound is loud enough to hear</source>
        <translation>音声は聞こえる音量で届いています</translation>
    </message>
    <message>
        <source>the sound is silent (below %1 dBFS for %2 s)</source>
        <extracomment>For scripts and tessalyctl: %1 is the silence level in decibels below full scale, %2 the seconds measured</extracomment>
        <translation>音声が無音です（%2 秒間 %1 dBFS 未満）</translation>
    </message>
    <message>
        <source>the sound is silent</source>
        <translation>音声が無音です</translation>
    </message>
    <message>
        <source>turn the player up</source>
        <translation>再生しているアプリの音量を上げてください</translation>
    </message>
    <message>
        <source>tap &quot;%1&quot;</source>
        <extracomment>A fix on the phone page: %1 is the words on the page&apos;s button to tap, as &quot;Go on air&quot;</extracomment>
        <translation>「%1」をタップしてください</translation>
    </message>
</context>
<context>
    <name>PanelButtons</name>
    <message>
        <source>Stop</source>
        <extracomment>Tooltip of the main window&apos;s on-air (play/stop) button, in either state</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Transmit</source>
        <extracomment>Name a screen reader says for the main window&apos;s on-air button (a check box, checked while on air)</extracomment>
        <translation>送信</translation>
    </message>
    <message>
        <source>Mute</source>
        <extracomment>Tooltip and screen reader name of the main window&apos;s mute button</extracomment>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Frequency add</source>
        <extracomment>Tooltip of the button that raises the frequency by one step</extracomment>
        <translation>周波数を上げる</translation>
    </message>
    <message>
        <source>Frequency up</source>
        <extracomment>Screen reader name of the button that raises the frequency by one step</extracomment>
        <translation>周波数アップ</translation>
    </message>
    <message>
        <source>Frequency dec</source>
        <extracomment>Tooltip of the button that lowers the frequency by one step</extracomment>
        <translation>周波数を下げる</translation>
    </message>
    <message>
        <source>Frequency down</source>
        <extracomment>Screen reader name of the button that lowers the frequency by one step</extracomment>
        <translation>周波数ダウン</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Tooltip of the button that opens the settings window</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Screen reader name of the button that opens the settings window</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>PA-VALUE</source>
        <extracomment>Name of the main window&apos;s transmit power slider, as printed beside it</extracomment>
        <translation>PA-VALUE</translation>
    </message>
</context>
<context>
    <name>PulseConnection</name>
    <message>
        <source>the event loop is not GLib&apos;s; the sound is not routed</source>
        <translation>イベントループが GLib のものではないため、音声をトランスミッターに出力しません</translation>
    </message>
    <message>
        <source>no sound server (%1); the sound is routed once one is running</source>
        <translation>サウンドサーバーがありません（%1）。サウンドサーバーが起動すると音声をトランスミッターに出力します</translation>
    </message>
</context>
<context>
    <name>PulsePeakStream</name>
    <message>
        <source>Level</source>
        <extracomment>The name of the program&apos;s stream that measures the sound&apos;s level, listed in the sound settings</extracomment>
        <translation>レベル測定</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Corvane...</source>
        <translation>Corvane について(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>RoutingRecord</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file (%1) and what is wrong with it (%2)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not a readable regular file, left alone; the sound is not given back from it</source>
        <translation>読み取れる通常のファイルではないため、そのままにします。このファイルからは音声の出力先を元に戻しません</translation>
    </message>
    <message>
        <source>not a regular file of ours, left alone; the sound is not given back from it</source>
        <translation>Tessaly の通常のファイルではないため、そのままにします。このファイルからは音声の出力先を元に戻しません</translation>
    </message>
    <message>
        <source>not understood, removed; the sound is not given back from it</source>
        <translation>内容を解釈できないため削除しました。このファイルからは音声の出力先を元に戻しません</translation>
    </message>
    <message>
        <source>no private runtime directory: a killed run will not give the sound back</source>
        <translation>専用のランタイムディレクトリがありません。強制終了されると、音声の出力先は元に戻りません</translation>
    </message>
    <message>
        <source>%1; a killed run will not give the sound back</source>
        <extracomment>%1 is why the file could not be written: the file and the system&apos;s reason</extracomment>
        <translation>%1。強制終了されると、音声の出力先は元に戻りません</translation>
    </message>
</context>
<context>
    <name>RunningInstance</name>
    <message>
        <source>already running</source>
        <translation>すでに起動しています</translation>
    </message>
    <message>
        <source>already running: its window was raised</source>
        <translation>すでに起動しています。そのウィンドウを前面に表示しました</translation>
    </message>
    <message>
        <source>already running headless: use tessalyctl</source>
        <translation>すでにヘッドレスで起動しています。tessalyctl を使ってください</translation>
    </message>
    <message>
        <source>already running; its window could not be raised: %1</source>
        <translation>すでに起動していますが、そのウィンドウを前面に表示できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>libHIDApi.so could not be loaded: running without the transmitter</source>
        <translation>libHIDApi.so を読み込めませんでした。トランスミッターなしで動作します</translation>
    </message>
    <message>
        <source>%1; the option stays off</source>
        <extracomment>%1 says that going on air at start was not stored, and why</extracomment>
        <translation>%1。この設定はオフのままです</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>settings will not be saved: %1: %2</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>設定は保存されません: %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file: using the default settings and saving none</source>
        <translation>%1 は通常のファイルではありません。既定の設定を使い、設定は保存しません</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Settings not saved: %1</source>
        <translation>設定を保存できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Stereo/Mono</source>
        <translation>ステレオ/モノラル</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>バンド</translation>
    </message>
    <message>
        <source>87.5 - 108MHz(USA,Europe)</source>
        <translation>87.5 - 108MHz(米国・欧州)</translation>
    </message>
    <message>
        <source>76 - 90MHz(Japan)</source>
        <translation>76 - 90MHz(日本)</translation>
    </message>
    <message>
        <source>Spacing</source>
        <extracomment>The tuning step: how far apart the frequencies an arrow steps to are</extracomment>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>200KHz(USA)</source>
        <translation>200kHz(米国)</translation>
    </message>
    <message>
        <source>100KHz(Europe,Japan)</source>
        <translation>100kHz(欧州・日本)</translation>
    </message>
    <message>
        <source>50KHz</source>
        <translation>50kHz</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>ディエンファシス</translation>
    </message>
    <message>
        <source>50us(Europe,Australia)</source>
        <translation>50µs(欧州・豪州)</translation>
    </message>
    <message>
        <source>75us(USB,Japan)</source>
        <translation>75µs(米国・日本)</translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>no single-instance lock: %1: %2; the session bus&apos;s name decides which copy runs</source>
        <extracomment>%1 is the lock file, %2 why it cannot be used</extracomment>
        <translation>多重起動防止のロックがありません: %1: %2。どのコピーが動作するかはセッションバスの名前で決まります</translation>
    </message>
    <message>
        <source>not a private directory of ours</source>
        <translation>Tessaly 専用のディレクトリではありません</translation>
    </message>
    <message>
        <source>not a file of ours</source>
        <translation>Tessaly のファイルではありません</translation>
    </message>
</context>
<context>
    <name>SkinFrame</name>
    <message>
        <source>Tessaly Ver1.2.1</source>
        <translation>Tessaly Ver1.2.1</translation>
    </message>
    <message>
        <source>minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>max</source>
        <extracomment>The caption button that would make the window as large as the screen</extracomment>
        <translation>最大化</translation>
    </message>
    <message>
        <source>close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Tessaly Set</source>
        <translation>Tessaly 設定</translation>
    </message>
</context>
<context>
    <name>SmallTextFile</name>
    <message>
        <source>not a readable regular file, the sound option stays on</source>
        <translation>読み取れる通常のファイルではないため、「トランスミッターで音声を再生」はオンのままです</translation>
    </message>
    <message>
        <source>not understood, the sound option stays on</source>
        <translation>内容を解釈できないため、「トランスミッターで音声を再生」はオンのままです</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file (%1) and what is wrong with it (%2)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not a readable regular file, the program starts off air</source>
        <translation>読み取れる通常のファイルではないため、送信停止の状態で起動します</translation>
    </message>
    <message>
        <source>not understood, the program starts off air</source>
        <translation>内容を解釈できないため、送信停止の状態で起動します</translation>
    </message>
</context>
<context>
    <name>SoundElsewhereText</name>
    <message>
        <source>the sound settings now send it to %1</source>
        <extracomment>Why the sound is not on the transmitter although routed: %1 is the output the sound settings now use</extracomment>
        <translation>サウンド設定で出力先が %1 になっています</translation>
    </message>
    <message>
        <source>the sound settings now send %1 to %2</source>
        <extracomment>Why the sound is not on the transmitter although routed: %1 is a program as the sound settings name it, %2 the output they now send it to</extracomment>
        <translation>サウンド設定で %1 の出力先が %2 になっています</translation>
    </message>
</context>
<context>
    <name>SoundRouting</name>
    <message>
        <source>Playing sound through the transmitter not stored: %1; it stays on</source>
        <translation>「トランスミッターで音声を再生」の設定を保存できませんでした: %1。オンのままです</translation>
    </message>
    <message>
        <source>Playing sound through the transmitter not stored: %1; it stays off</source>
        <translation>「トランスミッターで音声を再生」の設定を保存できませんでした: %1。オフのままです</translation>
    </message>
    <message>
        <source>no sound server (no socket in %1); the sound is routed once one is running</source>
        <translation>サウンドサーバーがありません（%1 にソケットがありません）。サウンドサーバーが起動すると音声をトランスミッターに出力します</translation>
    </message>
    <message>
        <source>the sound is not routed: %1</source>
        <translation>音声をトランスミッターに出力できません: %1</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Run without windows or tray, needing no display: the transmitter, its settings and the session bus only.</source>
        <translation>ウィンドウもトレイも使わず、ディスプレイなしで動作します（トランスミッター、その設定、セッションバスのみ）。</translation>
    </message>
    <message>
        <source>Start with the window hidden in the tray (headless when there is no display).</source>
        <translation>ウィンドウを隠してトレイに入れた状態で起動します（ディスプレイがない場合はヘッドレス）。</translation>
    </message>
    <message>
        <source>Switch the web page for phones on and keep that choice (see WebAddress on the bus).</source>
        <translation>スマートフォン用の Web ページをオンにし、その設定を保持します（バスの WebAddress を参照）。</translation>
    </message>
    <message>
        <source>Go on air as soon as a transmitter is connected after the start, from now on: the choice is kept (&apos;tessalyctl start-on-air off&apos; or the window&apos;s menu switches it off).</source>
        <translation>今後は起動後にトランスミッターが接続されるとすぐに送信を開始します。この設定は保持されます（&apos;tessalyctl start-on-air off&apos; またはウィンドウのメニューでオフにできます）。</translation>
    </message>
    <message>
        <source>Tell on stderr, besides warnings, what the transmitter, the sound server, the session bus and the web page are doing.</source>
        <translation>警告に加えて、トランスミッター、サウンドサーバー、セッションバス、Web ページの動作を stderr に出力します。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Controls a USB FM transmitter. While it runs, tessalyctl and the session bus (org.tessaly.Tessaly) control it too; a second start shows the running one&apos;s window.</source>
        <translation>USB FM トランスミッターを操作します。動作中は tessalyctl やセッションバス（org.tessaly.Tessaly）からも操作できます。もう一度起動すると、動作中の Tessaly のウィンドウを表示します。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数 &apos;%1&apos; です。</translation>
    </message>
    <message>
        <source>%1
Try &apos;tessaly --help&apos;.</source>
        <translation>%1
&apos;tessaly --help&apos; を参照してください。</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency: %1 is the number of MHz, as 88.10</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>not routed, no sound server</source>
        <translation>出力なし（サウンドサーバーなし）</translation>
    </message>
    <message>
        <source>not routed, looking for the transmitter&apos;s sound card</source>
        <translation>出力なし（トランスミッターのサウンドカードを検索中）</translation>
    </message>
    <message>
        <source>not routed, the transmitter&apos;s sound card was not found</source>
        <translation>出力なし（トランスミッターのサウンドカードが見つかりません）</translation>
    </message>
    <message>
        <source>through %1 (the transmitter)</source>
        <translation>%1（トランスミッター）に出力中</translation>
    </message>
    <message>
        <source>on, but %1</source>
        <extracomment>Sound routing is switched on, but %1 (why the sound is not on the transmitter)</extracomment>
        <translation>オンですが、%1</translation>
    </message>
    <message>
        <source> (no permission for the transmitter: install 70-tessaly.rules, then plug it in again)</source>
        <translation>（トランスミッターへのアクセス権がありません。70-tessaly.rules をインストールしてから挿し直してください）</translation>
    </message>
    <message>
        <source> (no transmitter connected)</source>
        <translation>（トランスミッター未接続）</translation>
    </message>
    <message>
        <source> — the transmitter did not take the last change (write failed at %1)</source>
        <extracomment>%1 is the time of day the write failed, as 14:03:07</extracomment>
        <translation> — トランスミッターが最後の変更を受け付けませんでした（%1 に書き込み失敗）</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No favourite frequencies</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>on, but not served</source>
        <extracomment>The web page is switched on, but no address serves it</extracomment>
        <translation>オンですが、提供されていません</translation>
    </message>
    <message>
        <source>%1 of %2, PA-VALUE %3</source>
        <extracomment>The transmit power: the level %1 of at most %2, and the value %3 the transmitter receives</extracomment>
        <translation>%1/%2、PA-VALUE %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A level: %1 of at most %2</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A line of tessalyctl status: the property&apos;s label, then a colon (the value follows after spaces)</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>On air</source>
        <translation>送信中</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>送信出力</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>入力ゲイン</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声モード</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>バンド</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>ディエンファシス</translation>
    </message>
    <message>
        <source>Sound routing</source>
        <translation>音声の出力</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音声の出力先</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>On air at start</source>
        <translation>起動時に送信</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Web ページ</translation>
    </message>
</context>
<context>
    <name>TransmitterBusObject</name>
    <message>
        <source>no session bus, no scripted control: %1</source>
        <translation>セッションバスがないため、スクリプトからは操作できません: %1</translation>
    </message>
    <message>
        <source>could not export %1 on the session bus</source>
        <translation>セッションバスに %1 を公開できませんでした</translation>
    </message>
    <message>
        <source>could not take the bus name %1: %2</source>
        <translation>バス名 %1 を取得できませんでした: %2</translation>
    </message>
    <message>
        <source>the bus name %1 belongs to another process: waiting until it is free</source>
        <translation>バス名 %1 は別のプロセスが使用中です。空くまで待機します</translation>
    </message>
</context>
<context>
    <name>TransmitterCore</name>
    <message>
        <source>Going on air at start not stored: %1</source>
        <translation>「起動時に送信」の設定を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Starting at login not stored: %1</source>
        <translation>「ログイン時に起動」の設定を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Favourites not stored: %1</source>
        <translation>お気に入りを保存できませんでした: %1</translation>
    </message>
    <message>
        <source>the transmitter did not take its reports within a second: ending with its off-air report queued but not taken, so it may still be on air</source>
        <translation>トランスミッターが 1 秒以内にレポートを受け付けませんでした。送信停止のレポートが未処理のまま終了するため、まだ送信中の可能性があります</translation>
    </message>
</context>
<context>
    <name>TrayControl</name>
    <message>
        <source>&amp;Mute</source>
        <extracomment>The tray menu&apos;s item that silences what the transmitter sends</extracomment>
        <translation>ミュート(&amp;M)</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>ログイン時に起動(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Show window</source>
        <translation>ウィンドウを表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Off air</source>
        <extracomment>The tray menu&apos;s item while on air: choosing it goes off air</extracomment>
        <translation>送信停止(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;On air</source>
        <extracomment>The tray menu&apos;s item while off air: choosing it goes on air</extracomment>
        <translation>送信開始(&amp;O)</translation>
    </message>
    <message>
        <source>Tessaly — no transmitter</source>
        <translation>Tessaly — トランスミッター未接続</translation>
    </message>
    <message>
        <source>Tessaly — no permission for the transmitter</source>
        <translation>Tessaly — トランスミッターへのアクセス権なし</translation>
    </message>
    <message>
        <source>Tessaly — off air</source>
        <translation>Tessaly — 送信停止中</translation>
    </message>
    <message>
        <source>Tessaly — muted</source>
        <translation>Tessaly — ミュート中</translation>
    </message>
    <message>
        <source>Tessaly — on air, %1, nothing playing</source>
        <translation>Tessaly — 送信中、%1、再生なし</translation>
    </message>
    <message>
        <source>Tessaly — on air, %1</source>
        <translation>Tessaly — 送信中、%1</translation>
    </message>
    <message>
        <source>%1 — the transmitter did not take the last change</source>
        <extracomment>%1 is the tip as it would be: the program&apos;s name and the transmitter&apos;s state</extracomment>
        <translation>%1 — トランスミッターが最後の変更を受け付けませんでした</translation>
    </message>
</context>
<context>
    <name>UnattendedMenu</name>
    <message>
        <source>&amp;Add %1</source>
        <extracomment>%1 is the frequency in use, such as 88.10 MHz</extracomment>
        <translation>%1 を追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove %1</source>
        <extracomment>%1 is the frequency in use, such as 88.10 MHz</extracomment>
        <translation>%1 を削除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Favourite frequencies</source>
        <translation>お気に入りの周波数(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Go on air at start</source>
        <translation>起動時に送信(&amp;G)</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>ログイン時に起動(&amp;L)</translation>
    </message>
</context>
<context>
    <name>ValueParsers</name>
    <message>
        <source>%1 takes megahertz from %2 to %3 (e.g. %4), not &apos;%5&apos;</source>
        <translation>%1 には %2～%3 の MHz 値（例: %4）を指定してください（&apos;%5&apos; は指定できません）</translation>
    </message>
    <message>
        <source>%1 MHz is off the transmitter&apos;s %2 kHz grid; the nearest are %3 and %4 MHz</source>
        <translation>%1 MHz はトランスミッターの %2 kHz 単位に合っていません。近い周波数は %3 MHz と %4 MHz です</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 には %2～%3 の整数を指定してください（&apos;%4&apos; は指定できません）</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 には on か off を指定してください（&apos;%2&apos; は指定できません）</translation>
    </message>
    <message>
        <source>%1 takes %2 (%3), not &apos;%4&apos;</source>
        <translation>%1 には %2（%3）を指定してください（&apos;%4&apos; は指定できません）</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins one more to a list of alternatives: &quot;list, add&quot;</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Joins the last of the alternatives: &quot;list, add or remove&quot;, &quot;50 or 75&quot;</extracomment>
        <translation>%1 または %2</translation>
    </message>
</context>
<context>
    <name>WebControl</name>
    <message>
        <source>The web page&apos;s choice not stored: %1; the page stays as it was</source>
        <translation>Web ページの設定を保存できませんでした: %1。ページは元の状態のままです</translation>
    </message>
    <message>
        <source>The new token not stored: %1; the old one still opens the page</source>
        <translation>新しいトークンを保存できませんでした: %1。古いトークンで引き続きページを開けます</translation>
    </message>
    <message>
        <source>the web page is not served: %1</source>
        <translation>Web ページを提供できません：%1</translation>
    </message>
    <message>
        <source>%1 could not be loaded: %2</source>
        <extracomment>The page&apos;s server module, then why the system could not load it</extracomment>
        <translation>%1 を読み込めませんでした：%2</translation>
    </message>
    <message>
        <source>no token could be stored in %1</source>
        <translation>%1 にトークンを保存できませんでした</translation>
    </message>
</context>
<context>
    <name>WebServer</name>
    <message>
        <source>port %1 is in use by another program; choose another port</source>
        <translation>ポート %1 はほかのプログラムが使用しています。別のポートを選んでください</translation>
    </message>
    <message>
        <source>port %1: %2</source>
        <extracomment>A port, then why the page cannot be served on it, as the system says it</extracomment>
        <translation>ポート %1：%2</translation>
    </message>
    <message>
        <source>%1; the page could not be served again as it was</source>
        <translation>%1。ページを元の設定で提供し直すこともできませんでした</translation>
    </message>
    <message>
        <source>This page is reached by the machine&apos;s own name or address.</source>
        <translation>このページには、このコンピューター自身の名前かアドレスで接続してください。</translation>
    </message>
    <message>
        <source>Too many wrong tokens: wait a little.</source>
        <translation>誤ったトークンが多すぎます。しばらく待ってください。</translation>
    </message>
    <message>
        <source>Open the address with its token, as the program shows it (or its QR code).</source>
        <translation>Tessaly に表示されるトークン付きのアドレス（またはその QR コード）から開いてください。</translation>
    </message>
    <message>
        <source>Changes come only from the page itself.</source>
        <translation>変更はこのページ自身からのみ受け付けます。</translation>
    </message>
    <message>
        <source>Not with this method.</source>
        <translation>このメソッドは使用できません。</translation>
    </message>
    <message>
        <source>Not here.</source>
        <translation>ここには何もありません。</translation>
    </message>
    <message>
        <source>Not a WebSocket this page opens.</source>
        <translation>このページが開く WebSocket ではありません。</translation>
    </message>
</context>
<context>
    <name>WebToken</name>
    <message>
        <source>the web page&apos;s token not stored: %1</source>
        <translation>Web ページのトークンを保存できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>WriteErrorLog</name>
    <message>
        <source>USB Data Write Error!</source>
        <translation>USB データ書き込みエラー！</translation>
    </message>
    <message>
        <source>USB Data Write Error! (%1 more in the last minute)</source>
        <translation>USB データ書き込みエラー！（直近 1 分間にほか %1 件）</translation>
    </message>
</context>
<context>
    <name>WriteErrorMessage</name>
    <message>
        <source>USB Data Write Error!</source>
        <translation>USB データ書き込みエラー！</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change: unplug it and plug it in again.</source>
        <translation>トランスミッターが最後の変更を受け付けませんでした。いったん抜いて挿し直してください。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>no display to show the window on (DISPLAY or WAYLAND_DISPLAY cannot be opened); &apos;tessaly --headless&apos; runs without one</source>
        <translation>ウィンドウを表示するディスプレイがありません（DISPLAY も WAYLAND_DISPLAY も開けません）。&apos;tessaly --headless&apos; ならディスプレイなしで動作します</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>This address was renewed: open the new one, or scan its code</source>
        <translation>このアドレスは更新されました。新しいアドレスを開くか、そのコードを読み取ってください</translation>
    </message>
    <message>
        <source>routed</source>
        <translation>トランスミッターに出力中</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>The sound, as in &quot;Sound: off&quot;</extracomment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>サウンドサーバーなし</translation>
    </message>
    <message>
        <source>looking for the transmitter&apos;s sound card</source>
        <translation>トランスミッターのサウンドカードを検索中</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>トランスミッターのサウンドカードが見つかりません</translation>
    </message>
    <message>
        <source>Not connected to the program.</source>
        <translation>Tessaly に接続されていません。</translation>
    </message>
    <message>
        <source>Transmitter connected</source>
        <translation>トランスミッター接続済み</translation>
    </message>
    <message>
        <source>No permission for the transmitter: install 70-tessaly.rules, then plug it in again</source>
        <translation>トランスミッターへのアクセス権なし（70-tessaly.rules をインストールして挿し直してください）</translation>
    </message>
    <message>
        <source>No transmitter connected</source>
        <translation>トランスミッター未接続</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The status line&apos;s first sentence: whether the transmitter is connected, then whether it is on air</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>on air</source>
        <translation>送信中</translation>
    </message>
    <message>
        <source>off air</source>
        <translation>送信停止中</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change (write failed at %1)</source>
        <translation>トランスミッターが最後の変更を受け付けませんでした（%1 に書き込み失敗）</translation>
    </message>
    <message>
        <source>Sound: %1</source>
        <translation>音声：%1</translation>
    </message>
    <message>
        <source>on, but %1</source>
        <translation>オンですが、%1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two sentences of the status line, one after the other</extracomment>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>Tune to %1 MHz</source>
        <translation>%1 MHz に合わせる</translation>
    </message>
    <message>
        <source>Outside the band in use: it waits for the other band</source>
        <translation>使用中のバンドの範囲外です。もう一方のバンドに切り替えると使えます</translation>
    </message>
    <message>
        <source>%1 MHz, outside the band in use</source>
        <translation>%1 MHz（使用中のバンドの範囲外）</translation>
    </message>
    <message>
        <source>Why the radio may be silent: %1</source>
        <translation>ラジオから音が出ない原因：%1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The on-air button while the page cannot tell whether the transmitter is on air</extracomment>
        <translation>状態不明</translation>
    </message>
    <message>
        <source>Go off air</source>
        <translation>送信停止</translation>
    </message>
    <message>
        <source>Go on air</source>
        <translation>送信開始</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>%1 of %2, PA-VALUE %3</source>
        <translation>%1/%2、PA-VALUE %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Not connected to the program; trying again…</source>
        <translation>Tessaly に接続されていません。再接続しています…</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Frequency down</source>
        <translation>周波数ダウン</translation>
    </message>
    <message>
        <source>Frequency up</source>
        <translation>周波数アップ</translation>
    </message>
    <message>
        <source>Type MHz</source>
        <translation>MHz を入力</translation>
    </message>
    <message>
        <source>Tune</source>
        <extracomment>A button: tunes to the frequency typed</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>Mute</source>
        <extracomment>A button that mutes the transmitter&apos;s sound, pressed while muted</extracomment>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Above the choice of stereo or mono</extracomment>
        <translation>音声</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>The transmit power&apos;s slider</extracomment>
        <translation>送信出力</translation>
    </message>
    <message>
        <source>Gain</source>
        <extracomment>The audio input gain&apos;s slider</extracomment>
        <translation>入力ゲイン</translation>
    </message>
    <message>
        <source>No transmitter: stored for when it is plugged in</source>
        <translation>トランスミッター未接続：変更は接続したときに反映されます</translation>
    </message>
    <message>
        <source>Type a frequency in MHz, such as %1.</source>
        <translation>周波数を MHz で入力してください（例：%1）。</translation>
    </message>
    <message>
        <source>Connecting to the program…</source>
        <translation>Tessaly に接続しています…</translation>
    </message>
    <message>
        <source>%1: only %2 to %3 in %4 steps</source>
        <extracomment>A frequency typed on the page, refused: the band&apos;s lowest and highest, and its tuning step</extracomment>
        <translation>%1：設定できるのは %2～%3 の範囲で、%4 刻みの周波数だけです</translation>
    </message>
    <message>
        <source>not JSON</source>
        <translation>JSON 形式ではありません</translation>
    </message>
    <message>
        <source>step is up or down</source>
        <translation>step には up か down を指定してください</translation>
    </message>
    <message>
        <source>off air: the frequency steps only on air</source>
        <translation>送信停止中：周波数の上げ下げは送信中にのみできます</translation>
    </message>
    <message>
        <source>the page changes only %1</source>
        <translation>このページで変更できるのは %1 だけです</translation>
    </message>
    <message>
        <source>%1 does not take this value</source>
        <translation>%1 にはこの値を設定できません</translation>
    </message>
</context>
</TS>
