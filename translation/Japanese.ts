<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>タイプ：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>機能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>デフォルトレイヤー</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FNレイヤー</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>テキストはクリップボードにあります。Ctrl+V を押して貼り付けてください</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>製品一覧</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>テストボタン</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>メインモード切替</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>バッテリー表示</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>デバイスが接続されていません</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>デバイス一覧</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>キーのカスタマイズ</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>ライト設定</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>パフォーマンス</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>トリガー設定</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>アドバンストキー</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>デバイスの準備ができていません</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>デバイスはオフラインです</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>このデバイスは既に開かれています</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>先にキーを選択してください</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>現在のプロファイルをリセットしますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>先にキー校正モードに切り替えてください</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>キー校正に成功しました</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>キー校正中</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>キー校正に失敗しました</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>デバイス一覧を隠す</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>デバイス一覧を表示</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>軽押し</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>強押し</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自動起動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>システム起動時にアプリケーションを起動する（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>閉じるときにトレイに格納する</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>ファームウェアの更新を確認</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>アプリケーションソフトウェア</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>ブルー</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
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
        <translation>フォーム</translation>
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
        <translation>仮想キーボード</translation>
    </message>
</context>
<context>
    <name>MagneticReport</name>
    <message>
        <source>Operate successful</source>
        <translation>操作に成功しました</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>操作に失敗しました：キーボードが接続されていません</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>元に戻す(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>キーの再割り当て</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>プロファイル切替</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>アプリケーションを起動</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>キー設定</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>キーボードライト</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>アンビエントライト</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>高度なキー</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>次のトラック</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>前のトラック</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>画面の明るさ+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>画面の明るさ-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>マウス左ボタン</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>マウス中ボタン</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>マウス右ボタン</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>上にスクロール</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>下にスクロール</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>スナイパーキー</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>ウィンドウの切り替え</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>デスクトップを表示</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>マイコンピューター</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>コンピューターをロック</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>探す</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>キーボードをロック</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Winキーのロック/解除</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Winキーをロック</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Winキーのロック解除</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>デフォルトレイヤー</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FNレイヤー</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1レイヤー</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>電池残量の確認</translation>
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
        <translation>2.4Gに切り替え</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USBに切り替え</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>全体ライト</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>インタラクションライト</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>すべてのライト</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>常時点灯</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>明るさ +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>明るさ -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>速度 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>速度 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>方向 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>方向 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>方向ループ</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>フルカラーに切り替え</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>上部の色を変更</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>下部の色を変更</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>カスタム 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>カスタム 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>すべてオフ</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>バックライトをオフ</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>バックライトを停止</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>ライトの録画</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>サイドライトをオフ</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>サイドライトを停止</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>アップグレード可能なデバイスが見つかりません</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韓/英</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>漢字</translation>
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
        <translation>仮想キーボード</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>%1 のキー配列を読み込めませんでした</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>再割り当てできません</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>押下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>解放</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>キーのトリガー</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>サイドライト %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自動起動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>システム起動時にアプリケーションを起動する（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>閉じるときにトレイに格納する</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>ファームウェアの更新を確認</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>設定に成功しました</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>設定に失敗しました</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>ファームウェア情報</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>タイプ：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>機能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>先にキーを1つ選択してください</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作に成功しました</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>操作に失敗しました。プロファイルを保存できません</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>テキストが空のため設定に失敗しました</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>軽押し</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>強押し</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>マクロを割り当て</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>プロファイルを割り当て</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>連続再生オン/オフ</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>再生回数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>再生回数 1,2,3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>再生方法</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>複数回再生</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1回再生</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>割り当てキーを押している間再生</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>割り当てるマクロがありません。先にマクロを記録してください</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
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
        <translation>フォーム</translation>
    </message>
</context>
</TS>
