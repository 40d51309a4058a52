<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>الملف %1 غير موجود</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>تعذر فتح الملف %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>تعذرت الكتابة في الملف %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>تعذر حفظ الملف %1: القرص ممتلئ</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>الملف %1 تالف (السطر %2)</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>الملف %1 تالف</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>الملف %1 تالف (السطر %2): يحتوي على نص أطول من %3 كيبيبايت، أكثر مما يحتويه أي ملف إعدادات</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>الملف %1 تالف: حجمه أكبر من %2 ميبيبايت، أكثر مما يحتويه أي ملف إعدادات</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>نصه ليس XML سليم البنية</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>ينتهي مبكرًا جدًا، كأن كتابته انقطعت</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>يحتوي على تعريف نوع مستند، ولا يحتوي أي ملف إعدادات لهذا البرنامج على مثله</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>يحتوي على بايتات NUL كما في البيانات الثنائية، لا في النص</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>يحتوي على بايتات ليست نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>ليس ملف إعدادات لهذا البرنامج</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>كُتب بواسطة إصدار أحدث من هذا البرنامج</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>يحتوي على عنصر لا يعرفه هذا البرنامج، أو عنصر متداخل في موضع لا ينتمي إليه</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>إحدى القيم مفقودة أو تتعذر قراءتها</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>إحدى القيم ليست رقمًا أو خارج نطاقها</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>يظهر مرتين إدخال يجب أن يكون فريدًا</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>يحتوي على ملفات تعريف أو مفاتيح متقدمة أكثر مما يسمح به هذا البرنامج</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>ليست لديك صلاحية على الملف أو مجلده</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>إنه على قرص للقراءة فقط</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>إنه مجلد</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>جزء من مساره ليس مجلدًا</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>تم بلوغ حد حجم الملفات المسموح للبرنامج</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>يُبلغ القرص عن خطأ في الإدخال/الإخراج</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>تعذرت قراءة الملف %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>تعذرت الكتابة في الملف %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>تعذر حفظ الملف %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>الملف %1 تالف (السطر %2): %3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>الملف %1 تالف: %2</translation>
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
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>مفاتيح عادية</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>مفاتيح خاصة</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>الوظيفة:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>مسافة</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>جارٍ التحميل</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>عنصر إضاءة مخصصة</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>استخدام هذه الإضاءة المخصصة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>فشلت إعادة تسمية الإضاءة المخصصة</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>النص موجود في الحافظة: اضغط Ctrl+V للصقه</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>تعذر حفظ إعدادات لوحة المفاتيح</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>قائمة المنتجات</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>زر الاختبار</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>تبديل الوضع الرئيسي</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>عرض البطارية</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>الجهاز غير متصل</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>قائمة الأجهزة</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>تخصيص المفاتيح</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>إعدادات الإضاءة</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>الأداء</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>إعدادات التشغيل</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>المفاتيح المتقدمة</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>الجهاز غير جاهز بعد</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>الجهاز غير متصل بالشبكة</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>تم فتح هذا الجهاز بالفعل</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>يرجى تحديد مفتاح أولاً</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>هل تريد إعادة تعيين ملف التعريف الحالي؟</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>يرجى التبديل إلى وضع معايرة المفاتيح أولاً</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>نجحت معايرة المفتاح</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>جارٍ معايرة المفتاح</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>فشلت معايرة المفتاح</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>تم العثور على لوحة المفاتيح لكن لا يمكن فتحها.
افصلها ثم أعد توصيلها، أو أعد تحميل قواعد الأجهزة:</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>إجراءات ضغطة المفتاح الديناميكية</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>معلومات البرنامج الثابت</translation>
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
        <translation>1.شرح</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.شرح</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.شرح</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.شرح</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.شرح</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>شرح</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
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
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>السطوع:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>الاتجاه:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>وضع الإضاءة</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>كل الألوان</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>اللون السفلي</translation>
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
        <translation>إضاءة مخصصة</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>مرتبطة</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>وحدات الماكرو</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>إعداد التأخير</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>التأخير المسجل</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>بدون تأخير</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>التأخير الافتراضي</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>مللي ثانية</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>قائمة الأحداث</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>التسجيل فارغ</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>إدراج حدث</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>إدراج بعد</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>إدراج قبل</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>الحدث</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>حدث لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>حدث الماوس</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>التأخير</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>يرجى إدخال مفتاح</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>نقرة يسرى</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>نقرة وسطى</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>نقرة يمنى</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>أدخل قيمة التأخير</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>إدراج</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الماوس</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>إخفاء قائمة الأجهزة</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>إظهار قائمة الأجهزة</translation>
    </message>
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>انتهى البرنامج بشكل غير متوقع في المرة الماضية. تم حفظ تقرير في %1</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>تعذر بدء مكتبة الأجهزة: لا يمكن العثور على أي لوحة مفاتيح.</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>ضغطة خفيفة</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>ضغطة قوية</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
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
        <translation>حذف</translation>
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
        <translation>مفاتيح متقدمة</translation>
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
        <translation>إنشاء</translation>
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
        <translation>ضغط مطوّل</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>نقرة</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>مدة الضغط المطوّل</translation>
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
        <translation>لا توجد مفاتيح متقدمة</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>مفتاح واحد</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>%1ms</source>
        <translation>%1 مللي ثانية</translation>
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
        <translation>عند اختيار "مفتاح واحد"، يكفي النقر على مفتاح لإكمال إعداده؛ 
عند اختيار "تركيبة مفاتيح"، يجب اختيار مفتاح تعديل واحد على الأقل ومفتاح آخر لإكمال إدخال التركيبة، مثل L_Shift+A أو L_Shift+L_Ctrl+A؛</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>مسافة المفتاح</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>تشغيل التطبيق عند بدء تشغيل النظام (مصغّرًا)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>التصغير إلى علبة النظام عند الإغلاق</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>الترقية</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>التحقق من ترقية البرنامج الثابت</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>برنامج التطبيق</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>التحقق من التحديثات</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>أخرى</translation>
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
        <translation>نموذج</translation>
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
        <translation>نقاط تشغيل إجراءات DKS</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
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
        <translation>تشغيل سريع</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>خصّص مسافة التشغيل ومسافة الإرجاع وفق نيتك في ضغط الزر أو تحريره.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>حساسية ثانوية</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>يمكنك ضبط قيم المسافة للتشغيل السريع عند الضغط (التشغيل) وعند التحرير (الإرجاع) كلٍّ على حدة.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>ضغط/تحرير</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>ضغط</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>منع ارتداد المفاتيح</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>إعادة ضبط الحساسية</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>معدل الإبلاغ</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>الدخول إلى وضع المعايرة</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>بدء المعايرة</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>تتبع شدة الضغط</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>معدل الإبلاغ</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>خطوات معايرة المفاتيح</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>حول مقياس المسافة</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>تحديث البرنامج الثابت</translation>
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
        <translation>لوحة المفاتيح الافتراضية</translation>
    </message>
</context>
<context>
    <name>MagneticReport</name>
    <message>
        <source>Operate successful</source>
        <translation>تمت العملية بنجاح</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>فشلت العملية: لوحة المفاتيح غير متصلة</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>تم الوصول إلى الحد الأقصى لعدد ملفات التعريف</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>فشل الإنشاء، ملف التعريف بهذا الفهرس موجود بالفعل، يرجى التحقق</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>فشل إنشاء ملف التعريف</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>تم إنشاء ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>يجب الاحتفاظ بملف تعريف واحد على الأقل</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>فشل حذف ملف التعريف</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>تم حذف ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>يرجى اختيار مجلد الحفظ أولاً</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>ملف التعريف بهذا الفهرس غير موجود</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>لا يمكن استخدام اسم ملف التعريف كاسم ملف</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>تم تصدير ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>فشل تصدير ملف التعريف</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>يرجى اختيار ملف الاستيراد أولاً</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>فشل استيراد ملف التعريف</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>تم استيراد ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>لا يمكن أن يكون اسم ملف التعريف فارغًا</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>فشل تعديل معلومات ملف التعريف</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>تم تعديل معلومات ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>فشلت إعادة تعيين ملف التعريف الحالي</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>تمت إعادة تعيين ملف التعريف الحالي بنجاح</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>لا يمكن أن تكون مدة دخول الإضاءة في السكون أطول من مدة دخول لوحة المفاتيح في السكون</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>مدة دخول لوحة المفاتيح في السكون قصيرة جدًا</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>فشل ضبط مدة السكون</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>فشل حفظ مدة السكون</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>تم ضبط مدة السكون</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>تم استيراد ملف التعريف باسم "%1": الاسم "%2" مستخدم</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>لم يتغير اسم ملف التعريف</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>تصغير(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>تكبير(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>استعادة(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>خروج(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>إعادة تعيين المفتاح</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>تبديل ملف التعريف</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>تشغيل تطبيق</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>اختصارات</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>إعدادات المفاتيح</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>إضاءة لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>إضاءة محيطية</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>مفاتيح متقدمة</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>مستوى الصوت +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>مستوى الصوت -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>المقطع التالي</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>المقطع السابق</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>المشغل</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>سطوع الشاشة+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>سطوع الشاشة-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>زر الفأرة الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الفأرة الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الفأرة الأيمن</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>التمرير لأعلى</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>التمرير لأسفل</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>للأمام</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>للخلف</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>مفتاح القنص</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>تبديل النوافذ</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>العثور على</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>قفل لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>قفل/إلغاء قفل Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>قفل Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>إلغاء قفل Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>طبقة FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>الاستعلام عن البطارية</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>بلوتوث 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>بلوتوث 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>بلوتوث 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>التبديل إلى 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>التبديل إلى USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>الإضاءة العامة</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>الإضاءة التفاعلية</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>كل الإضاءة</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>السطوع +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>السطوع -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>السرعة +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>السرعة -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>الاتجاه +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>الاتجاه -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>تدوير الاتجاه</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>التحويل إلى الألوان الكاملة</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>تغيير اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>تغيير اللون السفلي</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>مخصص 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>مخصص 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>إيقاف الكل</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>إيقاف الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>إيقاف حركة الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>تسجيل الإضاءة</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>إيقاف الإضاءة الجانبية</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>إيقاف حركة الإضاءة الجانبية</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>لم يتم العثور على أجهزة قابلة للترقية</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>الكورية/الإنجليزية</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>الصينية</translation>
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
        <translation>لوحة المفاتيح الافتراضية</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>تعذرت قراءة تخطيط مفاتيح %1</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>لا يمكن إعادة تعيينه</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>ضغط</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>تفعيل المفتاح</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>الإضاءة الجانبية %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>تشغيل التطبيق عند بدء تشغيل النظام (مصغّرًا)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>التصغير إلى علبة النظام عند الإغلاق</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>الترقية</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>التحقق من ترقية البرنامج الثابت</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>تم الإعداد بنجاح</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>فشل الإعداد</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>معلومات البرنامج الثابت</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>إعادة التعيين إلى أي مفتاح؟</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>أدخل المفاتيح؟</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>اختيار التطبيق</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>يرجى اختيار المسار الذي يوجد فيه تطبيقك</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>اختيار تطبيق</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>التطبيقات (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>أدخل النص...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>مفاتيح الفأرة</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>الوظيفة:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>الرجاء تحديد مفتاح أولاً</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>تمت العملية بنجاح</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>فشلت العملية، تعذّر حفظ ملف التعريف</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>فشل الإعداد لأن النص فارغ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>ضغطة خفيفة</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>ضغطة قوية</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>عند تفعيل قفل Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>تعطيل مفتاح Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>تعطيل SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>تعطيل ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>تعطيل ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>سكون الإضاءة بعد:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>سكون لوحة المفاتيح بعد:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>إعادة تعيين ملف التعريف الحالي</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>خصائص لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>منع السكون</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>فشل حفظ خيارات قفل Win</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>تعذر فتح إعدادات لوحة المفاتيح في سطح المكتب</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>تغيير الاسم</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>مجلد الحفظ</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>فتح ملف التعريف</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>ملفات التعريف(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>هل تريد إعادة تعيين ملف التعريف الحالي؟</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 موجود بالفعل. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>تم تنزيل الإعدادات بنجاح</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>فشل تنزيل الإعدادات، يرجى المحاولة مرة أخرى</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>تم رفض التنزيل: %1 مفاتيح تشغّل وحدات ماكرو، ولوحة المفاتيح تتسع لـ %2 وحدات ماكرو فقط</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>تم رفض التنزيل: %1 مفاتيح مرتبطة بمفاتيح متقدمة، ولوحة المفاتيح تتسع لـ %2 مفاتيح متقدمة فقط</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>نقرة يسرى</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>نقرة وسطى</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>نقرة يمنى</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>لأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>لأسفل</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>بدء التسجيل</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>إيقاف التسجيل</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>تمت إضافة الماكرو</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>تم حذف الماكرو</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>لا يمكن أن يكون اسم الماكرو فارغًا</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>تم تغيير اسم الماكرو</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>يرجى تحديد موضع أولاً</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>يرجى إدخال مفتاح</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>تم بلوغ الحد الأقصى للأحداث</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>تم الإدراج</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>تم التعديل</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>يرجى تحديد ماكرو أولاً</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>تم مسح تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>يرجى تحديد مجلد الحفظ أولاً</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>تم تصدير الماكرو</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>فتح ملف ماكرو</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>ملفات الماكرو(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>فشل الاستيراد: الملف تالف</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>تم استيراد الماكرو</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>بدأ تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>توقف تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>تعيين ماكرو</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>تعيين ملف التعريف</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>تشغيل/إيقاف التشغيل المستمر</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>عدد مرات التشغيل</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>عدد مرات التشغيل 1،2،3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>نوع التشغيل</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>تشغيل عدة مرات</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>تشغيل مرة واحدة</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>التشغيل أثناء الضغط على المفتاح المعين</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>لا يوجد ماكرو لتعيينه، يرجى تسجيل ماكرو أولاً</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>السطوع:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>الاتجاه:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>كل الألوان</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>اللون السفلي</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>إضاءة مخصصة</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>السطوع</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>لوحة المفاتيح/المحيط</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>لا يحتوي الجهاز على إضاءة محيطة</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>موجة</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>لا يمكن أن يكون اسم الإضاءة المخصصة فارغًا</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>تم تغيير اسم الإضاءة المخصصة بنجاح</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>تنفس</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>نيون</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>رادار</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>ثعبان</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>تفاعلي</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>شفق</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>تموج</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>وميض</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>تقاطع</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>استجابة السرعة</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>تموج تلقائي</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>تخطيط</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>ألعاب نارية</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>إيقاع موسيقي</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>تصادم</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.ادخل أولاً إلى وضع معايرة المفاتيح؛</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.اختر مفتاحًا واحدًا؛</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.انقر على "بدء المعايرة"؛</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.اضغط المفتاح المحدد؛</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.تظهر نتيجة معايرة المفتاح؛</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>اضبط مسافة ضغط المفتاح اللازمة للتشغيل.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>تشغيل سريع</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>حساسية الضغط والتحرير</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>إعادة ضبط الحساسية</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>معدل الإبلاغ</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>وضع معايرة المفاتيح</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>بدء المعايرة</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إرجاع</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>خصّص مسافة التشغيل ومسافة الإرجاع وفق نيتك في ضغط الزر أو تحريره.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>يمكنك ضبط قيم المسافة للتشغيل السريع عند الضغط (التشغيل) وعند التحرير (الإرجاع) كلٍّ على حدة.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>عند اختيار "مفتاح واحد"، يكفي النقر على مفتاح لإكمال إعداده؛</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>عند اختيار "تركيبة مفاتيح"، يجب اختيار مفتاح تعديل واحد على الأقل ومفتاح آخر لإكمال إدخال التركيبة، مثل L_Shift+A أو L_Shift+L_Ctrl+A؛</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>نقاط تشغيل إجراءات DKS</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>مفاتيح عادية</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>مفاتيح خاصة</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>مفتاح واحد</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>ضغط مطوّل</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>نقرة</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>مدة الضغط المطوّل</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>لا توجد مفاتيح متقدمة</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>تم بلوغ الحد الأقصى لعدد المفاتيح المتقدمة</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>تم إنشاء المفتاح المتقدم بنجاح</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>تم حذف المفتاح المتقدم بنجاح</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>تحديث البرنامج الثابت</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>أثناء تحديث البرنامج الثابت، لا تفصل الجهاز!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>تم التحديث بنجاح</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>فشل التحديث</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>اسم المنتج:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>تقدم التحديث:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>الإصدار الحالي:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>الإصدار الجديد:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>اكتمل</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>قائمة الملف الشخصي</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>اللون %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>Disperse</source>
        <translation>انتشار</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>تجميع</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>باتجاه عقارب الساعة</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>عكس عقارب الساعة</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>المفتاح %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>التصغير إلى علبة النظام عند الإغلاق (لم يتم العثور على علبة النظام)</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>صورة البرنامج الثابت غير صالحة لهذه لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>أعد توصيل لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>حقوق النشر © %1. جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>فشل حفظ الماكرو</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>لا يمكن استخدام اسم الماكرو كاسم ملف</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>فشل تصدير الماكرو: تعذرت الكتابة في الملف %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>فشل استيراد الماكرو: تعذر فتح الملف %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>فشل استيراد الماكرو: الملف أكبر من %1 كيبيبايت</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>فشل استيراد الماكرو: يحتوي الملف على أكثر من %1 حدث</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>فشل استيراد الماكرو: المخزن يحتوي بالفعل على %1 ماكرو</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>فشل حفظ المفتاح المتقدم</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>فشل حفظ إعدادات الإضاءة</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>المفتاح %1، النقطة %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>ضغط مستمر، كضغطة جديدة</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>لا إجراء</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>لوحة مفاتيح أخرى في وضع التحديث: أكمل تحديثها أو افصلها، ثم حاول مرة أخرى</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>اختر ماكرو</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>اختر مفتاحًا متقدمًا</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>يرجى إنشاء ماكرو أو اختياره أولاً</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>منتقي الألوان</translation>
    </message>
</context>
<context>
    <name>StoreFileQuestion</name>
    <message>
        <source>Tip</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Move aside and start anew</source>
        <translation>نقله جانبًا والبدء من جديد</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>الإبقاء عليه</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1.
لا يمكن عرض محتواه. هل تريد الإبقاء على الملف كما هو (تبقى الصفحة فارغة)، أم نقله جانبًا مع إضافة التاريخ إلى اسمه والبدء بملف جديد؟</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>تعذر نقل الملف %1 جانبًا</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>اسم المنتج:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>الإصدار الحالي:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>تقدم التحديث:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>الإصدار الجديد:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>اكتمل</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
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
        <translation>نموذج</translation>
    </message>
</context>
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>لا يستطيع إيقاع موسيقي سماع إخراج الصوت: لا يستجيب أي خادم صوت</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>تغيير الاسم</translation>
    </message>
</context>
</TS>
