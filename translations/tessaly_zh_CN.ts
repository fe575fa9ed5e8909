<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BusRefusal</name>
    <message>
        <source>this Tessaly has no %1 property; it may be an older version</source>
        <translation>此 Tessaly 没有 %1 属性，可能是旧版本</translation>
    </message>
    <message>
        <source>%1 MHz is outside the band in use, %2 MHz</source>
        <translation>%1 MHz 超出当前波段（%2 MHz）</translation>
    </message>
    <message>
        <source>the session bus did not answer within %1 s; it may be stuck, so Tessaly cannot be reached (see --timeout)</source>
        <translation>会话总线在 %1 秒内没有应答，可能已卡住，因此无法连接 Tessaly（参见 --timeout）</translation>
    </message>
    <message>
        <source>Tessaly is not running and could not be started (%1); start it with &apos;tessaly --background&apos;, or &apos;tessaly --headless&apos; without a display</source>
        <translation>Tessaly 未运行，也无法自动启动（%1）；请用 &apos;tessaly --background&apos; 启动，没有显示器时用 &apos;tessaly --headless&apos;</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s; it may be busy or stopped, and the command may still take effect (see --timeout)</source>
        <translation>Tessaly 在 %1 秒内没有应答，可能正忙或已停止，命令仍可能生效（参见 --timeout）</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s; it may be busy or stopped (see --timeout)</source>
        <translation>Tessaly 在 %1 秒内没有应答，可能正忙或已停止（参见 --timeout）</translation>
    </message>
    <message>
        <source>this Tessaly has no %1 method; it may be an older version</source>
        <translation>此 Tessaly 没有 %1 方法，可能是旧版本</translation>
    </message>
    <message>
        <source>the transmitter did not take the change</source>
        <translation>发射器未接收此更改</translation>
    </message>
    <message>
        <source>the transmitter did not take the change (%1)</source>
        <translation>发射器未接收此更改（%1）</translation>
    </message>
    <message>
        <source>this Tessaly runs without windows (headless), so there is none to show</source>
        <translation>此 Tessaly 以无窗口模式（headless）运行，没有可显示的窗口</translation>
    </message>
    <message>
        <source>the favourites are full; remove one first</source>
        <translation>收藏频率已满，请先删除一个</translation>
    </message>
    <message>
        <source>the favourites are full; remove one first (%1)</source>
        <translation>收藏频率已满，请先删除一个（%1）</translation>
    </message>
    <message>
        <source>%1 MHz is not a favourite</source>
        <translation>%1 MHz 不在收藏频率中</translation>
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
        <translation>按键：
输入频率（如 88.1）后按 Enter：调到该频率
空格键：按下有焦点的按钮；在箭头按钮上按住则连续步进
Tab、Shift+Tab：在各控件之间移动
方向键、Page Up、Page Down、Home、End：移动有焦点的滑块
Alt+空格键或右键单击：打开窗口菜单
Enter、Esc：关闭窗口</translation>
    </message>
    <message>
        <source>About Corvane</source>
        <translation>关于 Corvane</translation>
    </message>
    <message>
        <source>Corvane Beta 1.1.1</source>
        <extracomment>The program&apos;s name and version</extracomment>
        <translation>Corvane Beta 1.1.1</translation>
    </message>
    <message>
        <source>Sends your computer&apos;s sound to a nearby FM radio.</source>
        <translation>把电脑的声音发送到附近的 FM 收音机。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CFrequencyReadout</name>
    <message>
        <source>NO TRANSMITTER</source>
        <extracomment>On the display above the frequency, in capitals where the language has them; keep it short</extracomment>
        <translation>无发射器</translation>
    </message>
    <message>
        <source>NO PERMISSION</source>
        <extracomment>On the display above the frequency, in capitals where the language has them; keep it short</extracomment>
        <translation>无权限</translation>
    </message>
    <message>
        <source>install 70-tessaly.rules, then replug</source>
        <extracomment>On the display below the frequency: the fix for NO PERMISSION; keep it short</extracomment>
        <translation>安装 70-tessaly.rules 后重新插拔</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency: %1 is its number in MHz, with two decimals</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change (write failed at %1).</source>
        <extracomment>%1 is the time of day</extracomment>
        <translation>发射器未接收上次更改（%1 写入失败）。</translation>
    </message>
    <message>
        <source>Off air</source>
        <translation>已停止发射</translation>
    </message>
    <message>
        <source>Plug the transmitter in; %1 goes out once it is connected.</source>
        <extracomment>%1 is a frequency, such as 88.10 MHz</extracomment>
        <translation>请插入发射器；连接后即在 %1 上发射。</translation>
    </message>
    <message>
        <source>No transmitter</source>
        <translation>未连接发射器</translation>
    </message>
    <message>
        <source>No permission for the transmitter</source>
        <translation>没有使用发射器的权限</translation>
    </message>
    <message>
        <source>The transmitter is plugged in, but this user may not use it. Install the udev rule 70-tessaly.rules into /usr/lib/udev/rules.d/ (the package does), then unplug the transmitter and plug it in again.</source>
        <translation>发射器已插入，但当前用户无权使用。请将 udev 规则 70-tessaly.rules 安装到 /usr/lib/udev/rules.d/（安装软件包时会自动安装），然后拔下发射器并重新插入。</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <extracomment>What a screen reader says while a frequency is typed: %1 is what was typed so far, such as 88.1</extracomment>
        <translation>输入 %1</translation>
    </message>
</context>
<context>
    <name>CHearingDlg</name>
    <message>
        <source>Check again</source>
        <translation>重新检查</translation>
    </message>
    <message>
        <source>Why can&apos;t I hear it?</source>
        <translation>为什么听不到声音？</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>From the transmitter to the sound, in order</source>
        <translation>从发射器到声音的各个环节（按顺序）</translation>
    </message>
    <message>
        <source>Checks every link and measures the sound going into the transmitter for up to 2 seconds</source>
        <translation>检查每个环节，并测量送入发射器的声音，最长 2 秒</translation>
    </message>
    <message>
        <source>Checking, and listening to the sound for up to 2 seconds…</source>
        <translation>正在检查，并监听声音（最长 2 秒）…</translation>
    </message>
    <message>
        <source>Mend this first: %1</source>
        <translation>请先解决：%1</translation>
    </message>
    <message>
        <source>Every link holds: tune the radio to the transmitter&apos;s frequency.</source>
        <translation>所有环节均正常：请把收音机调到发射器的频率。</translation>
    </message>
    <message>
        <source>Every link checked holds; &quot;Check again&quot; measures the sound too.</source>
        <translation>已检查的环节均正常；“重新检查”还会测量声音。</translation>
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
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>CTransmitterDlg</name>
    <message>
        <source>Play &amp;sound through the transmitter</source>
        <translation>通过发射器播放声音(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Control from a phone…</source>
        <translation>用手机控制(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Why can&apos;t I hear it?</source>
        <translation>为什么听不到声音？(&amp;W)</translation>
    </message>
    <message>
        <source>Tessaly</source>
        <extracomment>The program&apos;s name, as its windows&apos; title</extracomment>
        <translation>Tessaly</translation>
    </message>
    <message>
        <source>Play &amp;sound through the transmitter (on, but %1; choose to put it back)</source>
        <extracomment>%1 says where the sound plays instead, as the sound settings have it</extracomment>
        <translation>通过发射器播放声音(&amp;S)（已开启，但%1；选择此项可改回）</translation>
    </message>
    <message>
        <source>The transmitter&apos;s sound card was not found: the computer&apos;s sound keeps playing where it did.</source>
        <translation>找不到发射器的声卡：电脑的声音仍从原来的设备播放。</translation>
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
        <translation>%1：只能是 %2 到 %3 之间、步进 %4 MHz 的频率</translation>
    </message>
</context>
<context>
    <name>CWebControlDlg</name>
    <message>
        <source>Serve the page</source>
        <translation>开启网页</translation>
    </message>
    <message>
        <source>Let other devices on the network reach it</source>
        <translation>允许网络中的其他设备访问</translation>
    </message>
    <message>
        <source>Let my phone reach it</source>
        <translation>允许我的手机访问</translation>
    </message>
    <message>
        <source>Control from a phone</source>
        <translation>用手机控制</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The network port the page is served on</extracomment>
        <translation>端口</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>The page&apos;s web address</extracomment>
        <translation>地址</translation>
    </message>
    <message>
        <source>Anyone on the same network who has the code can then control the transmitter</source>
        <translation>之后，同一网络中任何拿到二维码的人都能控制发射器</translation>
    </message>
    <message>
        <source>QR code of the address</source>
        <translation>地址的二维码</translation>
    </message>
    <message>
        <source>Renew the token</source>
        <translation>更换令牌</translation>
    </message>
    <message>
        <source>A new address: pages opened with the old one stop working</source>
        <translation>生成新地址：用旧地址打开的网页将失效</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation>网页已关闭。</translation>
    </message>
    <message>
        <source>Only this computer may open the page: a phone cannot reach this address. Once you let it, anyone on the same network who has the code can control the transmitter.</source>
        <translation>只有这台电脑能打开网页：手机无法访问此地址。一旦允许，同一网络中任何拿到二维码的人都能控制发射器。</translation>
    </message>
    <message>
        <source>This computer has no network a phone could share: connect it to the phone&apos;s network (for example its Wi-Fi) first.</source>
        <translation>这台电脑没有可与手机共用的网络：请先把它连接到手机所在的网络（例如手机所连的 Wi-Fi）。</translation>
    </message>
    <message>
        <source>Scan the code with a phone on the same network as this computer.</source>
        <translation>请用与这台电脑在同一网络中的手机扫描二维码。</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two addresses in a list</extracomment>
        <translation>，</translation>
    </message>
    <message>
        <source>Also reachable at: %1</source>
        <translation>也可通过以下地址访问：%1</translation>
    </message>
</context>
<context>
    <name>CheckText</name>
    <message>
        <source>Tessaly answers</source>
        <extracomment>tessalyctl check&apos;s first line: the program answered over the session bus</extracomment>
        <translation>Tessaly 有应答</translation>
    </message>
</context>
<context>
    <name>CtlClient</name>
    <message>
        <source>the web page is not served; &apos;tessalyctl web on&apos; serves it</source>
        <translation>网页未开启；&apos;tessalyctl web on&apos; 可开启网页</translation>
    </message>
    <message>
        <source>there are no favourites; &apos;tessalyctl favourite add&apos; adds one</source>
        <translation>没有收藏频率；&apos;tessalyctl favourite add&apos; 可添加</translation>
    </message>
    <message>
        <source>no favourite in the band in use</source>
        <translation>当前波段中没有收藏频率</translation>
    </message>
    <message>
        <source>Tessaly is not running: start it with &apos;tessaly&apos;, or &apos;tessaly --headless&apos; where there is no desktop</source>
        <translation>Tessaly 未运行：请用 &apos;tessaly&apos; 启动，没有桌面时用 &apos;tessaly --headless&apos;</translation>
    </message>
    <message>
        <source>Tessaly did not answer within %1 s (see --timeout)</source>
        <translation>Tessaly 在 %1 秒内没有应答（参见 --timeout）</translation>
    </message>
    <message>
        <source>Tessaly could not check: %1</source>
        <translation>Tessaly 无法检查：%1</translation>
    </message>
    <message>
        <source>no session bus to reach Tessaly on (%1): run this inside the desktop session, or start a bus and &apos;tessaly --headless&apos; on it</source>
        <translation>没有可连接 Tessaly 的会话总线（%1）：请在桌面会话中运行，或启动一条会话总线并在其上运行 &apos;tessaly --headless&apos;</translation>
    </message>
    <message>
        <source>no session bus to reach Tessaly on (%1); run this inside the desktop session, or start a bus and &apos;tessaly --headless&apos; on it</source>
        <translation>没有可连接 Tessaly 的会话总线（%1）；请在桌面会话中运行，或启动一条会话总线并在其上运行 &apos;tessaly --headless&apos;</translation>
    </message>
    <message>
        <source>no transmitter is connected: the change is stored and goes out when one is plugged in</source>
        <translation>未连接发射器：更改已保存，插入发射器后生效</translation>
    </message>
    <message>
        <source>no sound server is running: the choice is stored and the sound is routed once one is</source>
        <translation>没有运行声音服务器：选择已保存，声音服务器运行后即把声音转到发射器</translation>
    </message>
</context>
<context>
    <name>CtlCommand</name>
    <message>
        <source>Try &apos;tessalyctl --help&apos;.</source>
        <translation>运行 &apos;tessalyctl --help&apos; 查看帮助。</translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 只接受 %2，不接受 &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 takes no value, not &apos;%2&apos;</source>
        <translation>%1 不需要值，不接受 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes only --json, not &apos;%2&apos;</source>
        <translation>%1 只接受 --json，不接受 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes one value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>--json goes with status and check only</source>
        <translation>--json 只能与 status 和 check 一起使用</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知命令 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Controls the running Tessaly over the session bus.</source>
        <translation>通过会话总线控制正在运行的 Tessaly。</translation>
    </message>
    <message>
        <source>With status: one JSON object keyed by property name.</source>
        <translation>与 status 一起使用：输出一个以属性名为键的 JSON 对象。</translation>
    </message>
    <message>
        <source>How long to wait for the session bus and for Tessaly to answer (default 5).</source>
        <translation>等待会话总线和 Tessaly 应答的时间（默认 5 秒）。</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>The value --timeout takes, shown as &lt;seconds&gt;</extracomment>
        <translation>秒数</translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>The first word after tessalyctl, in its --help; the command words themselves stay as they are</extracomment>
        <translation>命令</translation>
    </message>
    <message>
        <source>What to do; see Commands below.</source>
        <translation>要执行的操作；见下方“命令”。</translation>
    </message>
    <message>
        <source>[command [value]]</source>
        <extracomment>The synopsis; the command words themselves stay as they are</extracomment>
        <translation>[命令 [值]]</translation>
    </message>
    <message>
        <source>--timeout takes seconds above 0, such as 5 or 0.5, not &apos;%1&apos;</source>
        <extracomment>5 and 0.5 are what to type: keep the decimal point, which --timeout takes alone</extracomment>
        <translation>--timeout 需要大于 0 的秒数，如 5 或 0.5，不接受 &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CtlCommands</name>
    <message>
        <source>show every setting (the default command)</source>
        <translation>显示所有设置（默认命令）</translation>
    </message>
    <message>
        <source>why the radio may be silent: each link from the transmitter to
the sound, ok or broken with what to do; measures the sound 2 s</source>
        <translation>收音机为什么可能没有声音：从发射器到声音的每个环节，
正常或有问题（附解决方法）；测量声音 2 秒</translation>
    </message>
    <message>
        <source>go on air, off air, or the other way</source>
        <translation>开始发射、停止发射，或在两者间切换</translation>
    </message>
    <message>
        <source>mute or unmute the transmitted audio</source>
        <translation>将发射的声音静音或取消静音</translation>
    </message>
    <message>
        <source>tune to MHZ, e.g. 88.5, on the 50 kHz grid</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>调到频率 MHZ（如 88.5），须为 50 kHz 的整数倍</translation>
    </message>
    <message>
        <source>one tuning step up or down (on air only)</source>
        <translation>向上或向下调一个步进（仅在发射时）</translation>
    </message>
    <message>
        <source>transmit power, the PA-VALUE slider</source>
        <translation>发射功率，即 PA-VALUE 滑块</translation>
    </message>
    <message>
        <source>audio input gain, the TX-GAIN slider</source>
        <translation>音频输入增益，即 TX-GAIN 滑块</translation>
    </message>
    <message>
        <source>stereo or mono transmission</source>
        <translation>立体声或单声道发射</translation>
    </message>
    <message>
        <source>the frequency band in MHz</source>
        <translation>波段，单位 MHz</translation>
    </message>
    <message>
        <source>the tuning step in kHz</source>
        <translation>调谐步进，单位 kHz</translation>
    </message>
    <message>
        <source>the de-emphasis in microseconds</source>
        <translation>去加重，单位 µs</translation>
    </message>
    <message>
        <source>route the desktop&apos;s sound to the transmitter</source>
        <translation>把电脑的声音转到发射器播放</translation>
    </message>
    <message>
        <source>the favourite frequencies, one a line in MHz</source>
        <translation>收藏频率，每行一个，单位 MHz</translation>
    </message>
    <message>
        <source>add MHZ, or the frequency in use, to the favourites</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>把 MHZ 或当前频率添加到收藏频率</translation>
    </message>
    <message>
        <source>remove MHZ from the favourites</source>
        <extracomment>MHZ is the synopsis&apos;s word for the value typed: keep it as it is</extracomment>
        <translation>从收藏频率中删除 MHZ</translation>
    </message>
    <message>
        <source>tune to the next favourite above or below, round</source>
        <translation>调到上一个或下一个收藏频率，首尾循环</translation>
    </message>
    <message>
        <source>go on air once a transmitter is connected after the start</source>
        <translation>启动后一连接发射器就开始发射</translation>
    </message>
    <message>
        <source>start Tessaly, in the tray, when you log in</source>
        <translation>登录时在托盘中启动 Tessaly</translation>
    </message>
    <message>
        <source>serve the web page for phones, or stop</source>
        <translation>开启或关闭手机控制网页</translation>
    </message>
    <message>
        <source>print the page&apos;s address</source>
        <translation>输出网页地址</translation>
    </message>
    <message>
        <source>a new address; the old one stops working</source>
        <translation>生成新地址；旧地址失效</translation>
    </message>
    <message>
        <source>let other devices on the network reach the page</source>
        <translation>允许网络中的其他设备访问网页</translation>
    </message>
    <message>
        <source>the page&apos;s port</source>
        <translation>网页的端口</translation>
    </message>
    <message>
        <source>show and raise the main window</source>
        <translation>显示主窗口并置于最前</translation>
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
        <translation>退出状态：
  0  完成
  1  Tessaly 拒绝了请求或未能执行
  2  用法错误或值无效；未发送任何内容
  3  Tessaly 未运行且无法启动，或会话总线没有应答
  4  Tessaly 未及时应答（参见 --timeout）；命令仍可能生效
  check：所有环节正常时为 0，有环节出问题时为 1；Tessaly 未运行
  或在 %1 秒（或 --timeout）内没有应答时也为 1
</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
</context>
<context>
    <name>FavouritesFile</name>
    <message>
        <source>longer than 64 KiB, so it is never rewritten; shorten it by hand</source>
        <translation>超过 64 KiB，因此不会被改写；请手动缩短</translation>
    </message>
</context>
<context>
    <name>FavouritesNotice</name>
    <message>
        <source>Line %1, “%2”: no frequency in kHz on the 50 kHz grid of either band</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text</extracomment>
        <translation>第 %1 行“%2”：不是有效频率（应以 kHz 为单位，在任一波段内，且为 50 kHz 的整数倍）</translation>
    </message>
    <message>
        <source>Line %1, “%2”: the same frequency as an earlier line</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text</extracomment>
        <translation>第 %1 行“%2”：与前面某行的频率相同</translation>
    </message>
    <message>
        <source>Line %1, “%2”: only the lowest %3 frequencies are used</source>
        <extracomment>%1 is a line&apos;s number in Favourites.ini, %2 its text, %3 how many favourites are used</extracomment>
        <translation>第 %1 行“%2”：只使用最低的 %3 个频率</translation>
    </message>
    <message>
        <source>Some lines of %1 give no favourite frequency.</source>
        <extracomment>%1 is the file&apos;s path</extracomment>
        <translation>%1 中有些行不是有效的收藏频率。</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more</source>
        <extracomment>After the lines named: how many more were left out</extracomment>
        <translation>
            <numerusform>…另有 %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is longer than 64 KiB: only its beginning is read, and it is never rewritten. Shorten it by hand.</source>
        <translation>该文件超过 64 KiB：只读取开头部分，且不会被改写。请手动缩短。</translation>
    </message>
    <message>
        <source>The file stays as it is, and is kept as Favourites.ini.bak once the favourites change.</source>
        <translation>文件保持原样；收藏频率一旦更改，原文件会保存为 Favourites.ini.bak。</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>not a regular file, left alone</source>
        <translation>不是普通文件，未作改动</translation>
    </message>
</context>
<context>
    <name>HearingCheck</name>
    <message>
        <source>ok</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>broken</source>
        <translation>有问题</translation>
    </message>
    <message>
        <source>Broken</source>
        <translation>有问题</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>未检查</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>未检查</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A broken link of the hearing check: the problem (%1), then what mends it (%2)</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>on air</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked (also: the state &quot;on air&quot;)</extracomment>
        <translation>正在发射</translation>
    </message>
    <message>
        <source>the transmitter plugged in</source>
        <translation>发射器已插入</translation>
    </message>
    <message>
        <source>the transmitter taking the changes</source>
        <translation>发射器接收更改</translation>
    </message>
    <message>
        <source>mute</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked: whether the sound is muted</extracomment>
        <translation>静音</translation>
    </message>
    <message>
        <source>power</source>
        <extracomment>What a link of the hearing check is about, shown when it was not checked: the transmit power</extracomment>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>the sound server</source>
        <translation>声音服务器</translation>
    </message>
    <message>
        <source>the transmitter&apos;s sound card</source>
        <translation>发射器的声卡</translation>
    </message>
    <message>
        <source>where the sound goes</source>
        <translation>声音的去向</translation>
    </message>
    <message>
        <source>something playing</source>
        <translation>有声音在播放</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output in the sound settings</source>
        <translation>声音设置中发射器的输出</translation>
    </message>
    <message>
        <source>the sound&apos;s level</source>
        <translation>声音电平</translation>
    </message>
    <message>
        <source>the transmitter is not plugged in</source>
        <translation>发射器未插入</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>没有权限</translation>
    </message>
    <message>
        <source>install 70-tessaly.rules, then plug it in again</source>
        <translation>安装 70-tessaly.rules，然后重新插入发射器</translation>
    </message>
    <message>
        <source>the transmitter is plugged in</source>
        <translation>发射器已插入</translation>
    </message>
    <message>
        <source>the transmitter took every change</source>
        <translation>发射器已接收所有更改</translation>
    </message>
    <message>
        <source>the transmitter did not take the last change (at %1)</source>
        <extracomment>%1 is the time of day the write failed, as 14:03:07</extracomment>
        <translation>发射器未接收上次更改（%1）</translation>
    </message>
    <message>
        <source>unplug it and plug it in again</source>
        <translation>拔下后重新插入</translation>
    </message>
    <message>
        <source>off air</source>
        <translation>已停止发射</translation>
    </message>
    <message>
        <source>press the on-air button (&quot;%1&quot;, read aloud as &quot;%2&quot;)</source>
        <extracomment>The fix in the main window: %1 is the on-air button&apos;s tooltip, %2 the name a screen reader says for it</extracomment>
        <translation>按下发射按钮（“%1”，读屏软件读作“%2”）</translation>
    </message>
    <message>
        <source>not muted</source>
        <translation>未静音</translation>
    </message>
    <message>
        <source>muted</source>
        <translation>已静音</translation>
    </message>
    <message>
        <source>press %1</source>
        <extracomment>The fix in the main window: %1 is the name of the button to press (its tooltip), as &quot;Mute&quot;</extracomment>
        <translation>按下“%1”按钮</translation>
    </message>
    <message>
        <source>power %1 of %2</source>
        <extracomment>The transmit power: %1 of at most %2</extracomment>
        <translation>发射功率 %1/%2</translation>
    </message>
    <message>
        <source>power is 0</source>
        <translation>发射功率为 0</translation>
    </message>
    <message>
        <source>move the %1 slider up</source>
        <extracomment>A fix: %1 is the power slider&apos;s name, as the window or the page prints it beside the slider</extracomment>
        <translation>把“%1”滑块调高</translation>
    </message>
    <message>
        <source>no sound server is running</source>
        <translation>没有运行声音服务器</translation>
    </message>
    <message>
        <source>start PipeWire or PulseAudio, or log in again</source>
        <translation>启动 PipeWire 或 PulseAudio，或重新登录</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>声音服务器没有响应</translation>
    </message>
    <message>
        <source>restart it, or log in again</source>
        <translation>重启声音服务器，或重新登录</translation>
    </message>
    <message>
        <source>PipeWire&apos;s pulse server answers</source>
        <translation>PipeWire 的 pulse 服务有响应</translation>
    </message>
    <message>
        <source>the sound server answers</source>
        <translation>声音服务器有响应</translation>
    </message>
    <message>
        <source>the sound server has the transmitter&apos;s sound card</source>
        <translation>声音服务器已识别发射器的声卡</translation>
    </message>
    <message>
        <source>the sound server does not have the transmitter&apos;s sound card</source>
        <translation>声音服务器没有识别到发射器的声卡</translation>
    </message>
    <message>
        <source>unplug the transmitter and plug it in again</source>
        <translation>拔下发射器后重新插入</translation>
    </message>
    <message>
        <source>the sound goes to the transmitter</source>
        <translation>声音输出到发射器</translation>
    </message>
    <message>
        <source>the sound goes to %1, not to the transmitter</source>
        <extracomment>%1 is the output the sound goes to, as the sound settings name it (or &quot;no output&quot;)</extracomment>
        <translation>声音输出到 %1，而不是发射器</translation>
    </message>
    <message>
        <source>no output</source>
        <translation>无输出设备</translation>
    </message>
    <message>
        <source>choose &quot;Play sound through the transmitter&quot; in the window menu</source>
        <extracomment>The fix in the main window: the quoted words are its menu&apos;s item &quot;Play &amp;sound through the transmitter&quot;</extracomment>
        <translation>在窗口菜单中选择“通过发射器播放声音”</translation>
    </message>
    <message>
        <source>choose &quot;Play sound through the transmitter&quot; in the program&apos;s window menu</source>
        <extracomment>The fix on the phone page: the quoted words are the program window menu&apos;s item of that name</extracomment>
        <translation>在程序的窗口菜单中选择“通过发射器播放声音”</translation>
    </message>
    <message>
        <source>something is playing</source>
        <translation>有声音在播放</translation>
    </message>
    <message>
        <source>%1 plays to %2, not to the transmitter</source>
        <extracomment>%1 is a program (or its stream) as the sound settings name it, %2 the output it plays to</extracomment>
        <translation>%1 输出到 %2，而不是发射器</translation>
    </message>
    <message>
        <source>nothing is playing</source>
        <translation>没有声音在播放</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output is not muted</source>
        <translation>发射器的输出未静音</translation>
    </message>
    <message>
        <source>the transmitter&apos;s output is muted in the sound settings</source>
        <translation>发射器的输出在声音设置中被静音</translation>
    </message>
    <message>
        <source>unmute it there</source>
        <translation>在声音设置中取消静音</translation>
    </message>
    <message>
        <source>the sound reaches %1 dBFS</source>
        <extracomment>For scripts and tessalyctl: %1 is the loudest level measured, in decibels below full scale</extracomment>
        <translation>声音峰值达到 %1 dBFS</translation>
    </message>
    <message>
        <source>the sound is loud enough to hear</source>
        <translation>声音足够响，可以听到</translation>
    </message>
    <message>
        <source>the sound is silent (below %1 dBFS for %2 s)</source>
        <extracomment>For scripts and tessalyctl: %1 is the silence level in decibels below full scale, %2 the seconds measured</extracomment>
        <translation>没有声音（%2 秒内低于 %1 dBFS）</translation>
    </message>
    <message>
        <source>the sound is silent</source>
        <translation>没有声音</translation>
    </message>
    <message>
        <source>turn the player up</source>
        <translation>调高播放器的音量</translation>
    </message>
    <message>
        <source>tap &quot;%1&quot;</source>
        <extracomment>A fix on the phone page: %1 is the words on the page&apos;s button to tap, as &quot;Go on air&quot;</extracomment>
        <translation>点按“%1”</translation>
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
        <translation>发射</translation>
    </message>
    <message>
        <source>Mute</source>
        <extracomment>Tooltip and screen reader name of the main window&apos;s mute button</extracomment>
        <translation>静音</translation>
    </message>
    <message>
        <source>Frequency add</source>
        <extracomment>Tooltip of the button that raises the frequency by one step</extracomment>
        <translation>频率加</translation>
    </message>
    <message>
        <source>Frequency up</source>
        <extracomment>Screen reader name of the button that raises the frequency by one step</extracomment>
        <translation>提高频率</translation>
    </message>
    <message>
        <source>Frequency dec</source>
        <extracomment>Tooltip of the button that lowers the frequency by one step</extracomment>
        <translation>频率减</translation>
    </message>
    <message>
        <source>Frequency down</source>
        <extracomment>Screen reader name of the button that lowers the frequency by one step</extracomment>
        <translation>降低频率</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Tooltip of the button that opens the settings window</extracomment>
        <translation>设置</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Screen reader name of the button that opens the settings window</extracomment>
        <translation>设置</translation>
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
        <translation>事件循环不是 GLib 的；声音未转到发射器</translation>
    </message>
    <message>
        <source>no sound server (%1); the sound is routed once one is running</source>
        <translation>没有声音服务器（%1）；声音服务器运行后即把声音转到发射器</translation>
    </message>
</context>
<context>
    <name>PulsePeakStream</name>
    <message>
        <source>Level</source>
        <extracomment>The name of the program&apos;s stream that measures the sound&apos;s level, listed in the sound settings</extracomment>
        <translation>电平</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Corvane...</source>
        <translation>关于 Corvane(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>RoutingRecord</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A file (%1) and what is wrong with it (%2)</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>not a readable regular file, left alone; the sound is not given back from it</source>
        <translation>不是可读的普通文件，未作改动；不会据此把声音恢复到原来的输出</translation>
    </message>
    <message>
        <source>not a regular file of ours, left alone; the sound is not given back from it</source>
        <translation>不是本程序的普通文件，未作改动；不会据此把声音恢复到原来的输出</translation>
    </message>
    <message>
        <source>not understood, removed; the sound is not given back from it</source>
        <translation>无法识别，已删除；不会据此把声音恢复到原来的输出</translation>
    </message>
    <message>
        <source>no private runtime directory: a killed run will not give the sound back</source>
        <translation>没有私有运行时目录：程序若被强行终止，将无法把声音恢复到原来的输出</translation>
    </message>
    <message>
        <source>%1; a killed run will not give the sound back</source>
        <extracomment>%1 is why the file could not be written: the file and the system&apos;s reason</extracomment>
        <translation>%1；程序若被强行终止，将无法把声音恢复到原来的输出</translation>
    </message>
</context>
<context>
    <name>RunningInstance</name>
    <message>
        <source>already running</source>
        <translation>已在运行</translation>
    </message>
    <message>
        <source>already running: its window was raised</source>
        <translation>已在运行：已将其窗口置于最前</translation>
    </message>
    <message>
        <source>already running headless: use tessalyctl</source>
        <translation>已在无窗口模式下运行：请使用 tessalyctl</translation>
    </message>
    <message>
        <source>already running; its window could not be raised: %1</source>
        <translation>已在运行；无法将其窗口置于最前：%1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>libHIDApi.so could not be loaded: running without the transmitter</source>
        <translation>无法加载 libHIDApi.so：将在没有发射器的情况下运行</translation>
    </message>
    <message>
        <source>%1; the option stays off</source>
        <extracomment>%1 says that going on air at start was not stored, and why</extracomment>
        <translation>%1；该选项保持关闭</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>settings will not be saved: %1: %2</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>设置将不会被保存：%1：%2</translation>
    </message>
    <message>
        <source>%1 is not a regular file: using the default settings and saving none</source>
        <translation>%1 不是普通文件：将使用默认设置，且不保存任何设置</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Settings not saved: %1</source>
        <translation>设置未保存：%1</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Stereo/Mono</source>
        <translation>立体声/单声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>波段</translation>
    </message>
    <message>
        <source>87.5 - 108MHz(USA,Europe)</source>
        <translation>87.5 - 108MHz(美国、欧洲)</translation>
    </message>
    <message>
        <source>76 - 90MHz(Japan)</source>
        <translation>76 - 90MHz(日本)</translation>
    </message>
    <message>
        <source>Spacing</source>
        <extracomment>The tuning step: how far apart the frequencies an arrow steps to are</extracomment>
        <translation>步进</translation>
    </message>
    <message>
        <source>200KHz(USA)</source>
        <translation>200kHz(美国)</translation>
    </message>
    <message>
        <source>100KHz(Europe,Japan)</source>
        <translation>100kHz(欧洲、日本)</translation>
    </message>
    <message>
        <source>50KHz</source>
        <translation>50kHz</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>去加重</translation>
    </message>
    <message>
        <source>50us(Europe,Australia)</source>
        <translation>50µs(欧洲、澳大利亚)</translation>
    </message>
    <message>
        <source>75us(USB,Japan)</source>
        <translation>75µs(美国、日本)</translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>no single-instance lock: %1: %2; the session bus&apos;s name decides which copy runs</source>
        <extracomment>%1 is the lock file, %2 why it cannot be used</extracomment>
        <translation>无法使用单实例锁：%1：%2；将由会话总线名称决定运行哪个副本</translation>
    </message>
    <message>
        <source>not a private directory of ours</source>
        <translation>不是本程序的私有目录</translation>
    </message>
    <message>
        <source>not a file of ours</source>
        <translation>不是本程序的文件</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>Tessaly Set</source>
        <translation>Tessaly 设置</translation>
    </message>
</context>
<context>
    <name>SmallTextFile</name>
    <message>
        <source>not a readable regular file, the sound option stays on</source>
        <translation>不是可读的普通文件，“通过发射器播放声音”保持开启</translation>
    </message>
    <message>
        <source>not understood, the sound option stays on</source>
        <translation>无法识别，“通过发射器播放声音”保持开启</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file (%1) and what is wrong with it (%2)</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>not a readable regular file, the program starts off air</source>
        <translation>不是可读的普通文件，程序启动时不发射</translation>
    </message>
    <message>
        <source>not understood, the program starts off air</source>
        <translation>无法识别，程序启动时不发射</translation>
    </message>
</context>
<context>
    <name>SoundElsewhereText</name>
    <message>
        <source>the sound settings now send it to %1</source>
        <extracomment>Why the sound is not on the transmitter although routed: %1 is the output the sound settings now use</extracomment>
        <translation>声音设置现在把声音输出到 %1</translation>
    </message>
    <message>
        <source>the sound settings now send %1 to %2</source>
        <extracomment>Why the sound is not on the transmitter although routed: %1 is a program as the sound settings name it, %2 the output they now send it to</extracomment>
        <translation>声音设置现在把 %1 输出到 %2</translation>
    </message>
</context>
<context>
    <name>SoundRouting</name>
    <message>
        <source>Playing sound through the transmitter not stored: %1; it stays on</source>
        <translation>未能保存“通过发射器播放声音”：%1；该选项保持开启</translation>
    </message>
    <message>
        <source>Playing sound through the transmitter not stored: %1; it stays off</source>
        <translation>未能保存“通过发射器播放声音”：%1；该选项保持关闭</translation>
    </message>
    <message>
        <source>no sound server (no socket in %1); the sound is routed once one is running</source>
        <translation>没有声音服务器（%1 中没有套接字）；声音服务器运行后即把声音转到发射器</translation>
    </message>
    <message>
        <source>the sound is not routed: %1</source>
        <translation>声音未转到发射器：%1</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Run without windows or tray, needing no display: the transmitter, its settings and the session bus only.</source>
        <translation>不显示窗口和托盘图标，无需显示器：只运行发射器控制、设置和会话总线。</translation>
    </message>
    <message>
        <source>Start with the window hidden in the tray (headless when there is no display).</source>
        <translation>启动时把窗口隐藏到托盘（没有显示器时以无窗口模式运行）。</translation>
    </message>
    <message>
        <source>Switch the web page for phones on and keep that choice (see WebAddress on the bus).</source>
        <translation>开启手机控制网页并保留此选择（地址见总线上的 WebAddress）。</translation>
    </message>
    <message>
        <source>Go on air as soon as a transmitter is connected after the start, from now on: the choice is kept (&apos;tessalyctl start-on-air off&apos; or the window&apos;s menu switches it off).</source>
        <translation>从现在起，启动后一连接发射器就开始发射：此选择会被保留（用 &apos;tessalyctl start-on-air off&apos; 或窗口菜单可关闭）。</translation>
    </message>
    <message>
        <source>Tell on stderr, besides warnings, what the transmitter, the sound server, the session bus and the web page are doing.</source>
        <translation>除警告外，还在 stderr 上输出发射器、声音服务器、会话总线和网页的运行情况。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Controls a USB FM transmitter. While it runs, tessalyctl and the session bus (org.tessaly.Tessaly) control it too; a second start shows the running one&apos;s window.</source>
        <translation>控制 USB FM 发射器。程序运行时，也可通过 tessalyctl 和会话总线（org.tessaly.Tessaly）控制；再次启动会显示已在运行的程序的窗口。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>无法识别的参数 &apos;%1&apos;。</translation>
    </message>
    <message>
        <source>%1
Try &apos;tessaly --help&apos;.</source>
        <translation>%1
运行 &apos;tessaly --help&apos; 查看帮助。</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency: %1 is the number of MHz, as 88.10</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>not routed, no sound server</source>
        <translation>未转到发射器，没有声音服务器</translation>
    </message>
    <message>
        <source>not routed, looking for the transmitter&apos;s sound card</source>
        <translation>未转到发射器，正在查找发射器的声卡</translation>
    </message>
    <message>
        <source>not routed, the transmitter&apos;s sound card was not found</source>
        <translation>未转到发射器，找不到发射器的声卡</translation>
    </message>
    <message>
        <source>through %1 (the transmitter)</source>
        <translation>经 %1 输出（发射器）</translation>
    </message>
    <message>
        <source>on, but %1</source>
        <extracomment>Sound routing is switched on, but %1 (why the sound is not on the transmitter)</extracomment>
        <translation>已开启，但%1</translation>
    </message>
    <message>
        <source> (no permission for the transmitter: install 70-tessaly.rules, then plug it in again)</source>
        <translation>（没有使用发射器的权限：请安装 70-tessaly.rules，然后重新插入发射器）</translation>
    </message>
    <message>
        <source> (no transmitter connected)</source>
        <translation>（未连接发射器）</translation>
    </message>
    <message>
        <source> — the transmitter did not take the last change (write failed at %1)</source>
        <extracomment>%1 is the time of day the write failed, as 14:03:07</extracomment>
        <translation>——发射器未接收上次更改（%1 写入失败）</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No favourite frequencies</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>on, but not served</source>
        <extracomment>The web page is switched on, but no address serves it</extracomment>
        <translation>已开启，但未能提供网页</translation>
    </message>
    <message>
        <source>%1 of %2, PA-VALUE %3</source>
        <extracomment>The transmit power: the level %1 of at most %2, and the value %3 the transmitter receives</extracomment>
        <translation>%1/%2，PA-VALUE %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A level: %1 of at most %2</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A line of tessalyctl status: the property&apos;s label, then a colon (the value follows after spaces)</extracomment>
        <translation>%1：</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>On air</source>
        <translation>正在发射</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>输入增益</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>波段</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>步进</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>去加重</translation>
    </message>
    <message>
        <source>Sound routing</source>
        <translation>声音转到发射器</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>收藏频率</translation>
    </message>
    <message>
        <source>On air at start</source>
        <translation>启动时开始发射</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>网页</translation>
    </message>
</context>
<context>
    <name>TransmitterBusObject</name>
    <message>
        <source>no session bus, no scripted control: %1</source>
        <translation>没有会话总线，无法通过脚本控制：%1</translation>
    </message>
    <message>
        <source>could not export %1 on the session bus</source>
        <translation>无法在会话总线上导出 %1</translation>
    </message>
    <message>
        <source>could not take the bus name %1: %2</source>
        <translation>无法获取总线名称 %1：%2</translation>
    </message>
    <message>
        <source>the bus name %1 belongs to another process: waiting until it is free</source>
        <translation>总线名称 %1 已被另一个进程占用：等待其释放</translation>
    </message>
</context>
<context>
    <name>TransmitterCore</name>
    <message>
        <source>Going on air at start not stored: %1</source>
        <translation>未能保存“启动时开始发射”：%1</translation>
    </message>
    <message>
        <source>Starting at login not stored: %1</source>
        <translation>未能保存“登录时启动”：%1</translation>
    </message>
    <message>
        <source>Favourites not stored: %1</source>
        <translation>未能保存收藏频率：%1</translation>
    </message>
    <message>
        <source>the transmitter did not take its reports within a second: ending with its off-air report queued but not taken, so it may still be on air</source>
        <translation>发射器在一秒内未接收数据：程序退出时，停止发射的指令仍在队列中未被接收，发射器可能仍在发射</translation>
    </message>
</context>
<context>
    <name>TrayControl</name>
    <message>
        <source>&amp;Mute</source>
        <extracomment>The tray menu&apos;s item that silences what the transmitter sends</extracomment>
        <translation>静音(&amp;M)</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>登录时启动(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Show window</source>
        <translation>显示窗口(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Off air</source>
        <extracomment>The tray menu&apos;s item while on air: choosing it goes off air</extracomment>
        <translation>停止发射(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;On air</source>
        <extracomment>The tray menu&apos;s item while off air: choosing it goes on air</extracomment>
        <translation>开始发射(&amp;O)</translation>
    </message>
    <message>
        <source>Tessaly — no transmitter</source>
        <translation>Tessaly — 未连接发射器</translation>
    </message>
    <message>
        <source>Tessaly — no permission for the transmitter</source>
        <translation>Tessaly — 没有使用发射器的权限</translation>
    </message>
    <message>
        <source>Tessaly — off air</source>
        <translation>Tessaly — 已停止发射</translation>
    </message>
    <message>
        <source>Tessaly — muted</source>
        <translation>Tessaly — 已静音</translation>
    </message>
    <message>
        <source>Tessaly — on air, %1, nothing playing</source>
        <translation>Tessaly — 正在发射，%1，没有声音在播放</translation>
    </message>
    <message>
        <source>Tessaly — on air, %1</source>
        <translation>Tessaly — 正在发射，%1</translation>
    </message>
    <message>
        <source>%1 — the transmitter did not take the last change</source>
        <extracomment>%1 is the tip as it would be: the program&apos;s name and the transmitter&apos;s state</extracomment>
        <translation>%1 — 发射器未接收上次更改</translation>
    </message>
</context>
<context>
    <name>UnattendedMenu</name>
    <message>
        <source>&amp;Add %1</source>
        <extracomment>%1 is the frequency in use, such as 88.10 MHz</extracomment>
        <translation>添加 %1(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove %1</source>
        <extracomment>%1 is the frequency in use, such as 88.10 MHz</extracomment>
        <translation>删除 %1(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Favourite frequencies</source>
        <translation>收藏频率(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Go on air at start</source>
        <translation>启动时开始发射(&amp;G)</translation>
    </message>
    <message>
        <source>Start at &amp;login</source>
        <translation>登录时启动(&amp;L)</translation>
    </message>
</context>
<context>
    <name>ValueParsers</name>
    <message>
        <source>%1 takes megahertz from %2 to %3 (e.g. %4), not &apos;%5&apos;</source>
        <translation>%1 需要 %2 到 %3 之间的 MHz 值（如 %4），不接受 &apos;%5&apos;</translation>
    </message>
    <message>
        <source>%1 MHz is off the transmitter&apos;s %2 kHz grid; the nearest are %3 and %4 MHz</source>
        <translation>%1 MHz 不是 %2 kHz 的整数倍，发射器无法使用；最接近的是 %3 和 %4 MHz</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 需要 %2 到 %3 之间的整数，不接受 &apos;%4&apos;</translation>
    </message>
    <message>
        <source>%1 takes on or off, not &apos;%2&apos;</source>
        <translation>%1 只接受 on 或 off，不接受 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes %2 (%3), not &apos;%4&apos;</source>
        <translation>%1 只接受 %2（%3），不接受 &apos;%4&apos;</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins one more to a list of alternatives: &quot;list, add&quot;</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Joins the last of the alternatives: &quot;list, add or remove&quot;, &quot;50 or 75&quot;</extracomment>
        <translation>%1 或 %2</translation>
    </message>
</context>
<context>
    <name>WebControl</name>
    <message>
        <source>The web page&apos;s choice not stored: %1; the page stays as it was</source>
        <translation>未能保存网页设置：%1；网页保持原状</translation>
    </message>
    <message>
        <source>The new token not stored: %1; the old one still opens the page</source>
        <translation>未能保存新令牌：%1；旧令牌仍可打开网页</translation>
    </message>
    <message>
        <source>the web page is not served: %1</source>
        <translation>未能提供网页：%1</translation>
    </message>
    <message>
        <source>%1 could not be loaded: %2</source>
        <extracomment>The page&apos;s server module, then why the system could not load it</extracomment>
        <translation>无法加载 %1：%2</translation>
    </message>
    <message>
        <source>no token could be stored in %1</source>
        <translation>无法在 %1 中保存令牌</translation>
    </message>
</context>
<context>
    <name>WebServer</name>
    <message>
        <source>port %1 is in use by another program; choose another port</source>
        <translation>端口 %1 已被其他程序占用；请选择其他端口</translation>
    </message>
    <message>
        <source>port %1: %2</source>
        <extracomment>A port, then why the page cannot be served on it, as the system says it</extracomment>
        <translation>端口 %1：%2</translation>
    </message>
    <message>
        <source>%1; the page could not be served again as it was</source>
        <translation>%1；网页也无法按原设置重新提供</translation>
    </message>
    <message>
        <source>This page is reached by the machine&apos;s own name or address.</source>
        <translation>请通过这台电脑自己的名称或地址打开此网页。</translation>
    </message>
    <message>
        <source>Too many wrong tokens: wait a little.</source>
        <translation>错误的令牌次数过多：请稍后再试。</translation>
    </message>
    <message>
        <source>Open the address with its token, as the program shows it (or its QR code).</source>
        <translation>请打开程序显示的带令牌的地址（或扫描其二维码）。</translation>
    </message>
    <message>
        <source>Changes come only from the page itself.</source>
        <translation>只接受来自此网页本身的更改。</translation>
    </message>
    <message>
        <source>Not with this method.</source>
        <translation>不支持此请求方法。</translation>
    </message>
    <message>
        <source>Not here.</source>
        <translation>此处没有内容。</translation>
    </message>
    <message>
        <source>Not a WebSocket this page opens.</source>
        <translation>这不是此网页打开的 WebSocket。</translation>
    </message>
</context>
<context>
    <name>WebToken</name>
    <message>
        <source>the web page&apos;s token not stored: %1</source>
        <translation>未能保存网页的令牌：%1</translation>
    </message>
</context>
<context>
    <name>WriteErrorLog</name>
    <message>
        <source>USB Data Write Error!</source>
        <translation>USB 数据写入错误！</translation>
    </message>
    <message>
        <source>USB Data Write Error! (%1 more in the last minute)</source>
        <translation>USB 数据写入错误！（过去一分钟内另有 %1 次）</translation>
    </message>
</context>
<context>
    <name>WriteErrorMessage</name>
    <message>
        <source>USB Data Write Error!</source>
        <translation>USB 数据写入错误！</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change: unplug it and plug it in again.</source>
        <translation>发射器未接收上次更改：请拔下后重新插入。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>no display to show the window on (DISPLAY or WAYLAND_DISPLAY cannot be opened); &apos;tessaly --headless&apos; runs without one</source>
        <translation>没有可显示窗口的显示器（无法打开 DISPLAY 或 WAYLAND_DISPLAY）；&apos;tessaly --headless&apos; 可在无显示器时运行</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>This address was renewed: open the new one, or scan its code</source>
        <translation>此地址已更换：请打开新地址，或扫描新的二维码</translation>
    </message>
    <message>
        <source>routed</source>
        <translation>已转到发射器</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>The sound, as in &quot;Sound: off&quot;</extracomment>
        <translation>未转到发射器</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>没有声音服务器</translation>
    </message>
    <message>
        <source>looking for the transmitter&apos;s sound card</source>
        <translation>正在查找发射器的声卡</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>找不到发射器的声卡</translation>
    </message>
    <message>
        <source>Not connected to the program.</source>
        <translation>未连接到程序。</translation>
    </message>
    <message>
        <source>Transmitter connected</source>
        <translation>发射器已连接</translation>
    </message>
    <message>
        <source>No permission for the transmitter: install 70-tessaly.rules, then plug it in again</source>
        <translation>没有使用发射器的权限：请安装 70-tessaly.rules，然后重新插入发射器</translation>
    </message>
    <message>
        <source>No transmitter connected</source>
        <translation>未连接发射器</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The status line&apos;s first sentence: whether the transmitter is connected, then whether it is on air</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>on air</source>
        <translation>正在发射</translation>
    </message>
    <message>
        <source>off air</source>
        <translation>已停止发射</translation>
    </message>
    <message>
        <source>The transmitter did not take the last change (write failed at %1)</source>
        <translation>发射器未接收上次更改（%1 写入失败）</translation>
    </message>
    <message>
        <source>Sound: %1</source>
        <translation>声音：%1</translation>
    </message>
    <message>
        <source>on, but %1</source>
        <translation>已开启，但%1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two sentences of the status line, one after the other</extracomment>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>Tune to %1 MHz</source>
        <translation>调到 %1 MHz</translation>
    </message>
    <message>
        <source>Outside the band in use: it waits for the other band</source>
        <translation>不在当前波段内：切换到另一波段后可用</translation>
    </message>
    <message>
        <source>%1 MHz, outside the band in use</source>
        <translation>%1 MHz，不在当前波段内</translation>
    </message>
    <message>
        <source>Why the radio may be silent: %1</source>
        <translation>收音机可能没有声音的原因：%1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The on-air button while the page cannot tell whether the transmitter is on air</extracomment>
        <translation>状态未知</translation>
    </message>
    <message>
        <source>Go off air</source>
        <translation>停止发射</translation>
    </message>
    <message>
        <source>Go on air</source>
        <translation>开始发射</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <extracomment>A frequency</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>%1 of %2, PA-VALUE %3</source>
        <translation>%1/%2，PA-VALUE %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Not connected to the program; trying again…</source>
        <translation>未连接到程序，正在重试…</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Frequency down</source>
        <translation>降低频率</translation>
    </message>
    <message>
        <source>Frequency up</source>
        <translation>提高频率</translation>
    </message>
    <message>
        <source>Type MHz</source>
        <translation>输入 MHz</translation>
    </message>
    <message>
        <source>Tune</source>
        <extracomment>A button: tunes to the frequency typed</extracomment>
        <translation>调谐</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>收藏频率</translation>
    </message>
    <message>
        <source>Mute</source>
        <extracomment>A button that mutes the transmitter&apos;s sound, pressed while muted</extracomment>
        <translation>静音</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Above the choice of stereo or mono</extracomment>
        <translation>声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>The transmit power&apos;s slider</extracomment>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Gain</source>
        <extracomment>The audio input gain&apos;s slider</extracomment>
        <translation>输入增益</translation>
    </message>
    <message>
        <source>No transmitter: stored for when it is plugged in</source>
        <translation>未连接发射器：设置已保存，插入后生效</translation>
    </message>
    <message>
        <source>Type a frequency in MHz, such as %1.</source>
        <translation>请输入以 MHz 为单位的频率，例如 %1。</translation>
    </message>
    <message>
        <source>Connecting to the program…</source>
        <translation>正在连接程序…</translation>
    </message>
    <message>
        <source>%1: only %2 to %3 in %4 steps</source>
        <extracomment>A frequency typed on the page, refused: the band&apos;s lowest and highest, and its tuning step</extracomment>
        <translation>%1：只能在 %2 至 %3 之间，步进 %4</translation>
    </message>
    <message>
        <source>not JSON</source>
        <translation>不是 JSON</translation>
    </message>
    <message>
        <source>step is up or down</source>
        <translation>step 只能是 up 或 down</translation>
    </message>
    <message>
        <source>off air: the frequency steps only on air</source>
        <translation>已停止发射：只有在发射时才能步进调整频率</translation>
    </message>
    <message>
        <source>the page changes only %1</source>
        <translation>网页只能更改 %1</translation>
    </message>
    <message>
        <source>%1 does not take this value</source>
        <translation>%1 不接受此值</translation>
    </message>
</context>
</TS>
