<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>파일 %1이(가) 없습니다</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>파일 %1을(를) 열 수 없습니다</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>파일 %1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>파일 %1을(를) 저장할 수 없습니다: 디스크가 가득 찼습니다</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>파일 %1이(가) 손상되었습니다(%2행)</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>파일 %1이(가) 손상되었습니다</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>파일 %1이(가) 손상되었습니다(%2번째 줄): %3 KiB보다 긴 텍스트가 있어 어떤 설정 파일보다도 큽니다</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>파일 %1이(가) 손상되었습니다: %2 MiB보다 커서 어떤 설정 파일보다도 큽니다</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>내용이 올바른 형식의 XML이 아닙니다</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>너무 일찍 끝납니다. 쓰기가 중간에 끊긴 것 같습니다</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>문서 형식 선언이 들어 있습니다. 이 프로그램의 설정 파일에는 없는 내용입니다</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>NUL 바이트가 들어 있습니다. 텍스트가 아니라 바이너리 데이터입니다</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>UTF-8 텍스트가 아닌 바이트가 들어 있습니다</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>이 프로그램의 설정 파일이 아닙니다</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>이 프로그램의 새 버전이 쓴 파일입니다</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>이 프로그램이 모르는 요소나 있어서는 안 될 위치에 중첩된 요소가 들어 있습니다</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>값이 없거나 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>값이 숫자가 아니거나 범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>고유해야 하는 항목이 두 번 나타납니다</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>이 프로그램이 허용하는 것보다 많은 프로필 또는 고급 키가 들어 있습니다</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>이 파일이나 해당 폴더에 대한 권한이 없습니다</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>읽기 전용 디스크에 있습니다</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>폴더입니다</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>경로의 일부가 폴더가 아닙니다</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>프로그램의 파일 크기 제한에 도달했습니다</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>디스크에서 입출력 오류를 보고했습니다</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>파일 %1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>파일 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>파일 %1을(를) 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>파일 %1이(가) 손상되었습니다(%2번째 줄): %3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>파일 %1이(가) 손상되었습니다: %2</translation>
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
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>일반 키</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>특수 키</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>기능:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>로딩 중</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>사용자 조명 항목</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>이 사용자 조명 사용</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>사용자 조명 이름 변경에 실패했습니다</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>텍스트가 클립보드에 있습니다. Ctrl+V를 눌러 붙여 넣으세요</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>키보드 설정을 저장할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>제품 목록</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>테스트 버튼</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>메인 모드 전환</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>배터리 표시</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않았습니다</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>장치 목록</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>키 사용자 지정</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>조명 설정</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>성능</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>트리거 설정</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>고급 키</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>장치가 아직 준비되지 않았습니다</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>장치가 오프라인입니다</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>이 장치는 이미 열려 있습니다</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>먼저 키를 하나 선택하세요</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>현재 프로필을 초기화하시겠습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>먼저 키 보정 모드로 전환하세요</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>키 보정에 성공했습니다</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>키 보정 중</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>키 보정에 실패했습니다</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>키보드를 찾았지만 열 수 없습니다.
뽑았다가 다시 꽂거나 장치 규칙을 다시 불러오세요:</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>다이내믹 키스트로크 동작</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>펌웨어 정보</translation>
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
        <translation>1.설명</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.설명</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.설명</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.설명</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.설명</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>설명</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
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
        <translation>유형:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>밝기:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>속도:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>방향:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>조명 모드</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>풀 컬러</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>위쪽 색상</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>아래쪽 색상</translation>
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
        <translation>사용자 조명</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>할당됨</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>매크로 녹화</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>매크로 목록</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>지연 설정</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>녹화된 지연</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>지연 없음</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>기본 지연</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>이벤트 목록</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>녹화가 비어 있습니다</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>이벤트 삽입</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>뒤에 삽입</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>앞에 삽입</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>키보드 이벤트</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>마우스 이벤트</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>지연</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>키를 입력하세요</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>지연 값을 입력하세요</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>장치 목록 숨기기</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>장치 목록 표시</translation>
    </message>
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>지난번에 프로그램이 예기치 않게 종료되었습니다. 보고서가 %1에 저장되었습니다</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>장치 라이브러리를 시작할 수 없습니다. 키보드를 찾을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>가볍게 누름</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>세게 누름</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
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
        <translation>삭제</translation>
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
        <translation>고급 키</translation>
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
        <translation>생성</translation>
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
        <translation>누르고 있기</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>클릭</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>누름 유지 시간</translation>
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
        <translation>고급 키가 없습니다</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>단일 키</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>%1ms</source>
        <translation>%1ms</translation>
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
        <translation>"단일 키"를 선택하면 키 하나만 클릭해도 키 설정이 완료됩니다; 
"키 조합"을 선택하면 조합 키를 하나 이상과 다른 키 하나를 선택해야 입력이 완료됩니다(예: L_Shift+A 또는 L_Shift+L_Ctrl+A);</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>키 행정</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>자동 시작</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>시스템 시작 시 응용 프로그램 실행(최소화)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>닫을 때 트레이로 최소화</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>펌웨어 업그레이드 확인</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>응용 소프트웨어</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>블루</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>핑크</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>기타</translation>
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
        <translation>양식</translation>
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
        <translation>DKS 동작의 트리거 지점</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
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
        <translation>래피드 트리거</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>키를 누르거나 떼려는 의도에 맞춰 트리거 행정과 리셋 행정을 조정합니다.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>보조 감도</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>래피드 트리거의 누름(트리거)과 뗌(리셋) 행정 값을 따로 설정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>누름/뗌</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>누름</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>뗌</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>키 디바운스</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>감도 초기화</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>폴링 레이트</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>보정 모드 진입</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>보정 시작</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>누름 강도 추적</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>폴링 레이트</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>키 보정 단계</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>행정 눈금 안내</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>펌웨어 업데이트</translation>
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
        <translation>가상 키보드</translation>
    </message>
</context>
<context>
    <name>MagneticReport</name>
    <message>
        <source>Operate successful</source>
        <translation>작업 성공</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>작업 실패: 키보드가 연결되어 있지 않습니다</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>프로필 수가 최대에 도달했습니다</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>생성 실패: 해당 인덱스의 프로필이 이미 있습니다. 확인하십시오</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>프로필 생성에 실패했습니다</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>프로필을 만들었습니다</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>프로필을 하나 이상 유지해야 합니다</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>프로필 삭제에 실패했습니다</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>프로필을 삭제했습니다</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>먼저 저장할 폴더를 선택하십시오</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>해당 인덱스의 프로필이 없습니다</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>이 프로필 이름은 파일 이름으로 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>프로필을 내보냈습니다</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>프로필 내보내기에 실패했습니다</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>먼저 가져올 파일을 선택하십시오</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>프로필 가져오기에 실패했습니다</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>프로필을 가져왔습니다</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>프로필 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>프로필 정보 변경에 실패했습니다</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>프로필 정보를 변경했습니다</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>현재 프로필 초기화에 실패했습니다</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>현재 프로필을 초기화했습니다</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>조명 절전 시간은 키보드 절전 시간보다 길 수 없습니다</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>키보드 절전 시간이 너무 짧습니다</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>절전 시간 설정에 실패했습니다</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>절전 시간 저장에 실패했습니다</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>절전 시간을 설정했습니다</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>프로필을 "%1"(으)로 가져왔습니다: 이름 "%2"은(는) 이미 사용 중입니다</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>프로필 이름이 바뀌지 않았습니다</translation>
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
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>최소화(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>최대화(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>이전 크기로(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>키 재매핑</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>프로필 전환</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>애플리케이션 실행</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>키 설정</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>키보드 조명</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>분위기 조명</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>고급 키</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>볼륨 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>볼륨 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시정지</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>다음 트랙</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>화면 밝기+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>화면 밝기-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>마우스 왼쪽 버튼</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>마우스 가운데 버튼</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽 버튼</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>위로 스크롤</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>아래로 스크롤</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>스나이퍼 키</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>창 전환</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>키보드 잠금</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win 잠금/해제</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win 잠금</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win 잠금 해제</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 레이어</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>배터리 잔량 확인</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>블루투스 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>블루투스 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>블루투스 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4G 전환</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB 전환</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>전체 조명</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>인터랙션 조명</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>모든 조명</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>밝기 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>밝기 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>속도 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>속도 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>방향 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>방향 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>방향 순환</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>풀 컬러로 전환</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>상단 색상 변경</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>하단 색상 변경</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>사용자 지정 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>사용자 지정 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>모두 끄기</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>백라이트 끄기</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>백라이트 정지</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>조명 녹화</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>측면 조명 끄기</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>측면 조명 정지</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>업그레이드할 수 있는 장치가 없습니다</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>한/영</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>한자</translation>
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
        <translation>가상 키보드</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>%1의 키 배열을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>재매핑할 수 없음</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>누름</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>뗌</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>키 트리거</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>측면 조명 %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>자동 시작</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>시스템 시작 시 응용 프로그램 실행(최소화)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>닫을 때 트레이로 최소화</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>펌웨어 업그레이드 확인</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>설정 성공</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>설정 실패</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>펌웨어 정보</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>어떤 키로 재지정할까요?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>키를 입력하세요</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>앱이 있는 경로를 선택하세요</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>응용 프로그램 선택</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>응용 프로그램 (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>모든 파일 (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>텍스트 입력...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>마우스 키</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>기능:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>먼저 키를 하나 선택하세요</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>작업 성공</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>작업 실패, 프로필을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>텍스트가 비어 있어 설정에 실패했습니다</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>가볍게 누름</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>세게 누름</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 잠금이 켜져 있을 때:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows 키 사용 안 함</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB 사용 안 함</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB 사용 안 함</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 사용 안 함</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>조명 절전:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>키보드 절전:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>현재 프로필 초기화</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>키보드 속성</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>절전 금지</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>Win 잠금 설정 저장에 실패했습니다</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>데스크톱의 키보드 설정을 열 수 없습니다</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>프로필 파일 열기</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>프로필 파일(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>현재 프로필을 초기화하시겠습니까?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1이(가) 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>설정 다운로드 성공</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>설정 다운로드에 실패했습니다. 다시 시도하십시오</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>다운로드 거부: 매크로를 실행하는 키가 %1개입니다. 키보드에는 매크로를 %2개까지 저장할 수 있습니다</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>다운로드 거부: 고급 키에 연결된 키가 %1개입니다. 키보드에는 고급 키를 %2개까지 저장할 수 있습니다</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>비우기</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위로</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>아래로</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>녹화 시작</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>녹화 중지</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>매크로를 추가했습니다</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>매크로를 삭제했습니다</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>매크로 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>매크로 이름을 변경했습니다</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>먼저 위치를 선택하세요</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>키를 입력하세요</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>이벤트 기록 한도에 도달했습니다</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>삽입했습니다</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>수정했습니다</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>먼저 매크로를 선택하세요</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>매크로 녹화를 비웠습니다</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>먼저 저장 폴더를 선택하세요</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>매크로를 내보냈습니다</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>매크로 파일 열기</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>매크로 파일(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>가져오기 실패: 파일이 손상되었습니다</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>매크로를 가져왔습니다</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>매크로 녹화를 시작했습니다</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>매크로 녹화를 중지했습니다</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>매크로 지정</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>프로필 지정</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>연속 재생 켜기/끄기</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>재생 횟수</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>재생 횟수 1,2,3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>재생 방식</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>여러 번 재생</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>한 번 재생</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>지정된 키를 누르는 동안 재생</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>지정할 매크로가 없습니다. 먼저 매크로를 녹화하세요</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>밝기:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>속도:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>방향:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>풀 컬러</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>위쪽 색상</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>아래쪽 색상</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>사용자 조명</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>키보드/주변광</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>이 장치에는 주변 조명이 없습니다</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>웨이브</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>사용자 조명 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>사용자 조명 이름을 변경했습니다</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>호흡</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>네온</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>레이더</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>스네이크</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>리액티브</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>오로라</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>물결</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>반짝임</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>크로스</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>속도 반응</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>자동 물결</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>줄무늬</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>불꽃놀이</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>음악 리듬</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>충돌</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.먼저 키 보정 모드로 들어갑니다;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.키 하나를 선택합니다;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3."보정 시작"을 클릭합니다;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.선택한 키를 누릅니다;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.키 보정 결과가 표시됩니다;</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>트리거에 필요한 키 누름 행정을 설정합니다.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>래피드 트리거</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>누름 및 뗌 감도</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>감도 초기화</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>폴링 레이트</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>키 보정 모드</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>보정 시작</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>트리거</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>리셋</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>키를 누르거나 떼려는 의도에 맞춰 트리거 행정과 리셋 행정을 조정합니다.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>래피드 트리거의 누름(트리거)과 뗌(리셋) 행정 값을 따로 설정할 수 있습니다.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>"단일 키"를 선택하면 키 하나만 클릭해도 키 설정이 완료됩니다;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>"키 조합"을 선택하면 조합 키를 하나 이상과 다른 키 하나를 선택해야 입력이 완료됩니다(예: L_Shift+A 또는 L_Shift+L_Ctrl+A);</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 동작의 트리거 지점</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>일반 키</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>특수 키</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>단일 키</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>누르고 있기</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>클릭</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>누름 유지 시간</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>고급 키가 없습니다</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>고급 키 개수가 최대치에 도달했습니다</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>고급 키를 생성했습니다</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>고급 키를 삭제했습니다</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>펌웨어 업데이트</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>펌웨어 업데이트 중에는 장치를 분리하지 마십시오!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>업데이트 성공</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>업데이트 실패</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>제품명:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>업데이트 진행률:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>현재 버전:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>새 버전:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>프로필 메뉴</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>색상 %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Disperse</source>
        <translation>퍼짐</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>모음</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>시계 방향</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>시계 반대 방향</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>빨강</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>초록</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>키 %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>닫을 때 트레이로 최소화 (시스템 트레이를 찾을 수 없음)</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>이 펌웨어 이미지는 이 키보드에 맞지 않습니다</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>키보드를 다시 연결하십시오</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>Copyright © %1. 모든 권리 보유.</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>매크로 저장에 실패했습니다</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>매크로 이름은 파일 이름으로 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>매크로 내보내기 실패: 파일 %1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>매크로 가져오기 실패: 파일 %1을(를) 열 수 없습니다</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>매크로 가져오기 실패: 파일이 %1 KiB보다 큽니다</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>매크로 가져오기 실패: 파일에 이벤트가 %1개를 넘습니다</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>매크로 가져오기 실패: 이미 매크로 %1개가 저장되어 있습니다</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>고급 키 저장에 실패했습니다</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>조명 설정 저장에 실패했습니다</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>키 %1, 지점 %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>누르고 있기, 새 누름으로</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>동작 없음</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>다른 키보드가 업데이트 모드입니다: 업데이트를 마치거나 분리한 후 다시 시도하세요</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>매크로 선택</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>고급 키 선택</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>먼저 매크로를 만들거나 선택하세요</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>색상 선택기</translation>
    </message>
</context>
<context>
    <name>StoreFileQuestion</name>
    <message>
        <source>Tip</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Move aside and start anew</source>
        <translation>옆으로 옮기고 새로 시작</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>그대로 두기</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1.
내용을 표시할 수 없습니다. 파일을 그대로 둘까요(페이지는 비어 있음), 아니면 이름에 날짜를 붙여 옆으로 옮기고 새로 시작할까요?</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>파일 %1을(를) 옮길 수 없습니다</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>제품명:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>현재 버전:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>업데이트 진행률:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>새 버전:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
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
        <translation>양식</translation>
    </message>
</context>
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>음악 리듬이 사운드 출력을 들을 수 없습니다: 응답하는 사운드 서버가 없습니다</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
</context>
</TS>
