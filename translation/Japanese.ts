<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>ファイル %1 が存在しません</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>ファイル %1 を開けません</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>ファイル %1 に書き込めません</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>ファイル %1 を保存できません: ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>ファイル %1 は破損しています（%2 行目）</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>ファイル %1 は破損しています</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>ファイル %1 は破損しています（%2 行目）：%3 KiB を超えるテキストが含まれており、どの設定ファイルの内容よりも大きすぎます</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>ファイル %1 は破損しています：%2 MiB を超えており、どの設定ファイルよりも大きすぎます</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>内容が正しい形式の XML ではありません</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>途中で終わっています。書き込みが中断されたようです</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>文書型宣言が含まれています。このプログラムの設定ファイルには含まれないものです</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>NUL バイトが含まれています。テキストではなくバイナリデータです</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>UTF-8 テキストではないバイトが含まれています</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>このプログラムの設定ファイルではありません</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>このプログラムの新しいバージョンで書き込まれました</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>このプログラムが知らない要素、または本来あるべきでない場所に入れ子になった要素が含まれています</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>値が欠けているか、読み取れません</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>値が数値でないか、範囲外です</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>一意であるべき項目が 2 回現れています</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>このプログラムで許される数より多いプロファイルまたはアドバンストキーが含まれています</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>このファイルまたはそのフォルダーへのアクセス権がありません</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>読み取り専用のディスク上にあります</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>パスの一部がフォルダーではありません</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>プログラムのファイルサイズ上限に達しました</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>ディスクが入出力エラーを報告しました</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>ファイル %1 を読み取れません: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>ファイル %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>ファイル %1 を保存できません: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>ファイル %1 は破損しています（%2 行目）：%3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>ファイル %1 は破損しています：%2</translation>
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
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>通常キー</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊キー</translation>
    </message>
</context>
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
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>カスタムライト項目</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>このカスタムライトを使用</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>カスタムライトの名前を変更できませんでした</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>テキストはクリップボードにあります。Ctrl+V を押して貼り付けてください</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>キーボードの設定を保存できませんでした</translation>
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
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>キーボードは見つかりましたが、開けません。
いったん抜いて差し直すか、デバイスのルールを再読み込みしてください：</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>ダイナミックキーストロークの動作</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>ファームウェア情報</translation>
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
        <translation>1.説明</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.説明</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.説明</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.説明</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.説明</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>説明</translation>
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
    <name>DLightsConfigPage</name>
    <message>
        <source>DLightsConfigPage</source>
        <translation>DLightsConfigPage</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>タイプ:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>明るさ:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>ライトモード</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>フルカラー</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上の色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下の色</translation>
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
        <translation>カスタムライト</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>割り当て済み</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>マクロ記録</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>マクロ一覧</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>遅延設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>記録した遅延</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>遅延なし</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>既定の遅延</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ミリ秒</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>イベント一覧</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>記録がありません</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>イベントの挿入</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>後に挿入</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>前に挿入</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>キーボードイベント</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>マウスイベント</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>遅延</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>キーを入力してください</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>遅延を入力してください</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>変更</translation>
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
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>前回、プログラムが予期せず終了しました。レポートは %1 に保存されました</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>デバイスライブラリを開始できませんでした。キーボードを検出できません。</translation>
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
        <translation>削除</translation>
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
        <translation>アドバンスドキー</translation>
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
        <translation>作成</translation>
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
        <translation>ホールド</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>クリック</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>ホールド時間</translation>
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
        <translation>アドバンスドキーがありません</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>シングルキー</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>%1ms</source>
        <translation>%1ミリ秒</translation>
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
        <translation>「シングルキー」を選んだ場合は、キーを1つクリックするだけで設定が完了します； 
「キーの組み合わせ」を選んだ場合は、修飾キーを1つ以上と他のキーを1つ選ぶと入力が完了します（例：L_Shift+A、L_Shift+L_Ctrl+A）；</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>キーストローク</translation>
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
    <name>DStrokeConfigView</name>
    <message>
        <source>DStrokeConfigView</source>
        <translation>DStrokeConfigView</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 動作のトリガーポイント</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
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
        <translation>ラピッドトリガー</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>キーを押す・離す意図に合わせて、トリガーストロークとリセットストロークを調整します。</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>セカンダリ感度</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>ラピッドトリガーの押下（トリガー）と解放（リセット）のストローク値を個別に設定できます。</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>押下/解放</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
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
        <source>Key anti shake</source>
        <translation>キーのチャタリング防止</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>感度をリセット</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>レポートレート</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>キャリブレーションモードに入る</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>キャリブレーション開始</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>押下強度トラッキング</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>レポートレート</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>キーキャリブレーションの手順</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>ストロークスケールについて</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>ファームウェアの更新</translation>
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
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>プロファイル数が上限に達しました</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>作成に失敗しました。このインデックスのプロファイルは既に存在します。確認してください</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>プロファイルの作成に失敗しました</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>プロファイルを作成しました</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>少なくとも1つのプロファイルを残す必要があります</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>プロファイルの削除に失敗しました</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>プロファイルを削除しました</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>先に保存先フォルダーを選択してください</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>このインデックスのプロファイルは存在しません</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>このプロファイル名はファイル名として使用できません</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>プロファイルをエクスポートしました</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>プロファイルのエクスポートに失敗しました</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>先にインポートするファイルを選択してください</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>プロファイルのインポートに失敗しました</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>プロファイルをインポートしました</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>プロファイル名を空にすることはできません</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>プロファイル情報の変更に失敗しました</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>プロファイル情報を変更しました</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>現在のプロファイルのリセットに失敗しました</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>現在のプロファイルをリセットしました</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>ライトがスリープに入るまでの時間は、キーボードがスリープに入るまでの時間より長くできません</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>キーボードがスリープに入るまでの時間が短すぎます</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>スリープ時間の設定に失敗しました</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>スリープ時間の保存に失敗しました</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>スリープ時間を設定しました</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>プロファイルを「%1」としてインポートしました：名前「%2」は使用中です</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>プロファイル名は変更されていません</translation>
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
        <source>Remap with key?</source>
        <translation>どのキーに割り当てますか？</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>キーを入力してください</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>アプリの場所を選択してください</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>アプリケーションを選択</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>アプリケーション (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>テキストを入力…</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>マウスキー</translation>
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
        <source>If Win Lock is on:</source>
        <translation>Win ロックがオンのとき：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows キーを無効にする</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB を無効にする</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB を無効にする</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 を無効にする</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>ライトのスリープ：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>キーボードのスリープ：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>現在のプロファイルをリセット</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>キーボードのプロパティ</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>スリープを禁止</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>Win ロックの設定の保存に失敗しました</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>デスクトップのキーボード設定を開けませんでした</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>プロファイルファイルを開く</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>プロファイルファイル(*.xml)</translation>
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
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 は既に存在します。置き換えますか？</translation>
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
        <source>Download config successful</source>
        <translation>設定のダウンロードに成功しました</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>設定のダウンロードに失敗しました。もう一度お試しください</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>ダウンロードを中止しました: マクロを実行するキーが %1 個あります。キーボードに保存できるマクロは %2 個までです</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>ダウンロードを中止しました: 高度なキーに割り当てられたキーが %1 個あります。キーボードに保存できる高度なキーは %2 個までです</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>記録開始</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>記録停止</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>マクロを追加しました</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>マクロを削除しました</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>マクロ名を空にはできません</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>マクロ名を変更しました</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>先に位置を選択してください</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>キーを入力してください</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>記録できるイベント数の上限に達しました</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>挿入しました</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>変更しました</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>先にマクロを選択してください</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>マクロの記録をクリアしました</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>先に保存先フォルダーを選択してください</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>マクロをエクスポートしました</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>マクロファイルを開く</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>マクロファイル(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>インポートに失敗しました：ファイルが破損しています</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>マクロをインポートしました</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>マクロの記録を開始しました</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>マクロの記録を停止しました</translation>
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
    <message>
        <source>Brightness:</source>
        <translation>明るさ:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>フルカラー</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上の色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下の色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>カスタムライト</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>キーボード/アンビエント</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>このデバイスにはアンビエントライトがありません</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>ウェーブ</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>カスタムライトの名前は空にできません</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>カスタムライトの名前を変更しました</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>ブリーズ</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>ネオン</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>レーダー</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>スネーク</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>リアクティブ</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>オーロラ</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>リップル</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>きらめき</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>クロス</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>スピード反応</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>オートリップル</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>ストライプ</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>花火</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>ミュージックリズム</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>コリジョン</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.まずキーキャリブレーションモードに入ります；</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.キーを1つ選択します；</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.「キャリブレーション開始」をクリックします；</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.選択したキーを押します；</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.キャリブレーション結果が返されます；</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>トリガーに必要なキーの押し込み量を設定します。</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>ラピッドトリガー</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>押下と解放の感度</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>感度をリセット</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>レポートレート</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>キーキャリブレーションモード</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>キャリブレーション開始</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>トリガー</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>キーを押す・離す意図に合わせて、トリガーストロークとリセットストロークを調整します。</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>ラピッドトリガーの押下（トリガー）と解放（リセット）のストローク値を個別に設定できます。</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>「シングルキー」を選んだ場合は、キーを1つクリックするだけで設定が完了します；</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>「キーの組み合わせ」を選んだ場合は、修飾キーを1つ以上と他のキーを1つ選ぶと入力が完了します（例：L_Shift+A、L_Shift+L_Ctrl+A）；</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 動作のトリガーポイント</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>通常キー</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊キー</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>シングルキー</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>ホールド</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>クリック</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>ホールド時間</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>アドバンスドキーがありません</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>アドバンスドキーの数が上限に達しました</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>アドバンスドキーを作成しました</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>アドバンスドキーを削除しました</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>ファームウェアの更新</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>ファームウェアの更新中はデバイスを取り外さないでください！</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>更新に成功しました</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>更新に失敗しました</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>製品名：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>更新の進行状況：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>現在のバージョン：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新しいバージョン：</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>プロファイルメニュー</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>色 %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右へ</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左へ</translation>
    </message>
    <message>
        <source>Disperse</source>
        <translation>拡散</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>集束</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>時計回り</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>反時計回り</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>キー %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>閉じるときにトレイに格納する（システムトレイが見つかりません）</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>このファームウェアイメージはこのキーボードには使用できません</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>キーボードを接続し直してください</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>Copyright © %1 無断複写・転載を禁じます。</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>マクロを保存できませんでした</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>マクロ名はファイル名として使用できません</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>マクロのエクスポートに失敗しました: ファイル %1 に書き込めません</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>マクロのインポートに失敗しました: ファイル %1 を開けません</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>マクロのインポートに失敗しました: ファイルが %1 KiB を超えています</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>マクロのインポートに失敗しました: ファイルに %1 を超えるイベントがあります</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>マクロのインポートに失敗しました: すでに %1 個のマクロが保存されています</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>アドバンストキーを保存できませんでした</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>ライト設定の保存に失敗しました</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>キー %1、ポイント %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>長押し（新しい押下として）</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>動作なし</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>別のキーボードがアップデートモードです：その更新を完了するか取り外してから、もう一度お試しください</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>マクロを選択</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>アドバンストキーを選択</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>先にマクロを作成するか選択してください</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>カラーピッカー</translation>
    </message>
</context>
<context>
    <name>StoreFileQuestion</name>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Move aside and start anew</source>
        <translation>別名で退避して新しく始める</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>そのままにする</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1。
内容を表示できません。ファイルをそのまま残しますか（ページは空のままです）、それとも日付付きの名前で退避して新しいファイルを作成しますか？</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>ファイル %1 を退避できません</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>製品名：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>現在のバージョン：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>更新の進行状況：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新しいバージョン：</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
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
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>ミュージックリズムは音声出力を聞き取れません：応答するサウンドサーバーがありません</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前の変更</translation>
    </message>
</context>
</TS>
