#!/usr/bin/env python3
"""Writes forms/dlightsconfigpage.ui: the lighting page's widget tree is long and
regular (24 mode buttons, 8 direction buttons, 20 swatches), so it is generated."""
import sys
from xml.sax.saxutils import escape

FONT = '"\u5fae\u8f6f\u96c5\u9ed1"'
out = []


def w(s):
    out.append(s)


def prop(name, inner):
    w(f'<property name="{name}">{inner}</property>')


def string(s, notr=False):
    attr = ' notr="true"' if notr else ''
    return f'<string{attr}>{escape(s)}</string>'


def size(tag, wd, ht):
    return f'<{tag}><width>{wd}</width><height>{ht}</height></{tag}>'


def sizes(mn=None, mx=None):
    if mn:
        prop('minimumSize', size('size', *mn))
    if mx:
        prop('maximumSize', size('size', *mx))


def sheet(s):
    prop('styleSheet', string(s, notr=True))


def frame_props():
    prop('frameShape', '<enum>QFrame::StyledPanel</enum>')
    prop('frameShadow', '<enum>QFrame::Raised</enum>')


def layout(cls, name, spacing, margins, body, extra=''):
    w(f'<layout class="{cls}" name="{name}">')
    if spacing is not None:
        prop('spacing', f'<number>{spacing}</number>')
    for side, m in zip(('left', 'top', 'right', 'bottom'), margins):
        if m is not None:
            prop(f'{side}Margin', f'<number>{m}</number>')
    w(extra)
    body()
    w('</layout>')


def item(body, row=None, col=None):
    w('<item>' if row is None else f'<item row="{row}" column="{col}">')
    body()
    w('</item>')


spacer_count = [0]


def hspacer(wd, ht):
    spacer_count[0] += 1
    w(f'<item><spacer name="spacer_{spacer_count[0]}"><property name="orientation"><enum>Qt::Horizontal</enum>'
      f'</property><property name="sizeHint" stdset="0">{size("size", wd, ht)}</property></spacer></item>')


def vspacer(wd, ht):
    spacer_count[0] += 1
    w(f'<item><spacer name="spacer_{spacer_count[0]}"><property name="orientation"><enum>Qt::Vertical</enum>'
      f'</property><property name="sizeHint" stdset="0">{size("size", wd, ht)}</property></spacer></item>')


def widget(cls, name, body=lambda: None):
    w(f'<widget class="{cls}" name="{name}">')
    body()
    w('</widget>')


def frame(name, lay, extra=lambda: None):
    def b():
        frame_props()
        extra()
        lay()
    item(lambda: widget('QFrame', name, b))


def label(name, text, extra=lambda: None, centred=False):
    def b():
        extra()
        prop('text', string(text))
        if centred:
            prop('alignment', '<set>Qt::AlignCenter</set>')
    item(lambda: widget('QLabel', name, b))


def picture_sheet(cls, folder, stem, hover):
    sel_states = ['hover', 'pressed', 'checked'] if hover else ['pressed', 'checked']
    s = f'{cls}{{border-image: url(:/images/{folder}{stem}Def.png);}}\n'
    s += f'{cls}:unchecked{{border-image: url(:/images/{folder}{stem}Def.png);}}\n'
    for st in sel_states:
        s += f'{cls}:{st}{{border-image: url(:/images/{folder}{stem}Sel.png);}}\n'
    return s


KEYBOARD = ['Static', 'Neon', 'Breath', 'Wave', 'Twinkle', 'Snack', 'Radar', 'AutoRipple', 'Striation', 'Aurora',
            'Ripple', 'Reactive', 'Cross', ('MouseDPI', 'Dpi'), 'Fireworks', 'SpeedRespond', 'MusicalRhythm',
            'CustomLed']
SIDE = ['Static', 'Neon', 'Breath', 'Wave', 'Collision', 'Close']
DIRECTIONS = [('Left', 'LightLeft'), ('Right', 'LightRight'), ('Up', 'LightUp'), ('Down', 'LightDown'),
              ('Gather', 'LightGather'), ('Dispersion', 'LightDispersion'), ('CW', 'LightCw'), ('UnCW', 'LightUncw')]


def mode_button(name, folder, stem, checked):
    def b():
        sizes((20, 20), (20, 20))
        sheet(picture_sheet('QToolButton', folder, stem, True))
        prop('text', string(''))
        prop('checkable', '<bool>true</bool>')
        if checked:
            prop('checked', '<bool>true</bool>')
    item(lambda: widget('QToolButton', name, b))


PAGE_SHEET = f'''QFrame {{ border: 0px; }}
QLabel#label, QLabel#label_24, QLabel#label_25, QLabel#label_26, QLabel#label_23
{{ color: rgb(158, 158, 158); font: 75 12pt {FONT}; }}
QLabel#label_2, QLabel#label_3, QLabel#label_4, QLabel#label_R, QLabel#label_G, QLabel#label_B
{{ color: rgb(158, 158, 158); font: 75 8pt {FONT}; }}
QCheckBox {{ color: rgb(158, 158, 158); font: 75 8pt {FONT}; }}
QCheckBox::indicator {{ width: 13px; height: 13px; }}
QCheckBox::indicator:unchecked {{ image: url(:/images/publicIco/checkBoxDef.png); }}
QCheckBox::indicator:checked {{ image: url(:/images/publicIco/checkBoxSel.png); }}
QFrame#frame_3 {{ border: 3px solid rgb(46, 47, 80); border-radius: 8px; }}
QLineEdit {{ color: rgb(175, 175, 175); font: 75 8pt {FONT}; background-color: rgb(26, 27, 49);
border: 1px solid rgb(46, 47, 80); border-radius: 4px; }}
QLineEdit:hover {{ border: 1px solid rgb(255, 143, 31); }}
QLineEdit:pressed {{ border: 1px solid rgb(255, 143, 31); }}
'''


def colour_button_sheet(bg):
    return (f'QPushButton{{background-color: rgb({bg}); border: 2px solid rgb(52, 52, 86); border-radius: 7px;}}\n'
            'QPushButton:unchecked{border: 2px solid rgb(52, 52, 86); border-radius: 7px;}\n'
            'QPushButton:hover{border: 2px solid rgb(255, 143, 31); border-radius: 7px;}\n'
            'QPushButton:pressed{border: 2px solid rgb(255, 143, 31); border-radius: 7px;}\n'
            'QPushButton:checked{border: 2px solid rgb(255, 143, 31); border-radius: 7px;}\n')


def build():
    w('<?xml version="1.0" encoding="UTF-8"?>')
    w('<ui version="4.0"><class>DLightsConfigPage</class>')
    w('<widget class="QWidget" name="DLightsConfigPage">')
    prop('geometry', '<rect><x>0</x><y>0</y><width>1098</width><height>272</height></rect>')
    sizes((0, 0))
    prop('windowTitle', string('DLightsConfigPage'))

    def page_layout():
        frame('frame_Bg02', lambda: layout('QVBoxLayout', 'verticalLayout_2', 0, (None, 0, None, 0), bg_body),
              lambda: (sizes((0, 250)), sheet(PAGE_SHEET)))
    layout('QVBoxLayout', 'verticalLayout', 0, (0, 0, 0, 0), page_layout)
    w('</widget>')
    w('<resources/><connections/></ui>')


def bg_body():
    frame('frame_Top', lambda: layout('QHBoxLayout', 'horizontalLayout_2', 6, (0, None, None, None), top_body),
          lambda: sizes(None, (16777215, 50)))
    frame('frame_Bottom', lambda: layout('QHBoxLayout', 'horizontalLayout_13', 6, (0, 0, 0, 0), bottom_body))


def top_body():
    frame('frame_2', lambda: layout('QHBoxLayout', 'horizontalLayout_3', 6, (0, 0, 0, 0),
                                    lambda: label('label', 'Type:', lambda: prop(
                                        'alignment', '<set>Qt::AlignLeading|Qt::AlignLeft|Qt::AlignVCenter</set>'))),
          lambda: sizes((110, 0), (110, 16777215)))
    frame('frame_3', lambda: layout('QHBoxLayout', 'horizontalLayout_7', 28, (12, 0, None, 0), frame3_body),
          lambda: (sizes((0, 32)), sheet('')))


def frame3_body():
    def stack():
        prop('currentIndex', '<number>0</number>')

        def kb_page():
            def lay():
                for m in KEYBOARD:
                    name, stem = (m if isinstance(m, tuple) else (m, m))
                    mode_button(f'toolButton_{name}', 'deviceLed/keyboard/', stem, name == 'Static')
                hspacer(40, 20)
            layout('QHBoxLayout', 'horizontalLayout_20', 28, (0, 0, 0, 0), lay)

        def side_page():
            def lay():
                for m in SIDE:
                    mode_button(f'toolButton_Side{m}', 'deviceLed/side/', f'side{m}', False)
                hspacer(40, 20)
            layout('QHBoxLayout', 'horizontalLayout_21', 28, (0, 0, 0, 0), lay)
        widget('QWidget', 'page_KeyboardLightMode', kb_page)
        widget('QWidget', 'page_SideLightMode', side_page)
    item(lambda: widget('QStackedWidget', 'stackedWidget', stack))
    hspacer(287, 20)


def bottom_body():
    frame('frame_A', lambda: layout('QVBoxLayout', 'verticalLayout_9', 6, (0, None, None, None), col_a),
          lambda: sizes((270, 0), (270, 16777215)))
    frame('frame_B', lambda: layout('QVBoxLayout', 'verticalLayout_3', 6, (None, 4, None, None), col_b),
          lambda: sizes((45, 0), (45, 16777215)))
    frame('frame_C', lambda: layout('QVBoxLayout', 'verticalLayout_6', 2, (0, 0, 0, 0), col_c),
          lambda: sizes((340, 0), (340, 16777215)))
    frame('frame_D', lambda: layout('QVBoxLayout', 'verticalLayout_7', 0, (40, 0, 0, 4), col_d),
          lambda: sizes((210, 0), (210, 16777215)))
    hspacer(40, 20)


def level_row(fname, hl, lname, text, host, hostl):
    def row():
        label(lname, text, lambda: sizes((110, 0), (110, 16777215)))
        frame(host, lambda: layout('QHBoxLayout', hostl, 6, (0, 0, None, 0), lambda: None))
    frame(fname, lambda: layout('QHBoxLayout', hl, 0, (0, 0, 0, 0), row), lambda: sizes((0, 55)))


def col_a():
    level_row('frame_Brightness', 'horizontalLayout_23', 'label_24', 'Brightness:', 'frame_SliderBrightness',
              'horizontalLayout_19')
    level_row('frame_Speed', 'horizontalLayout_25', 'label_25', 'Speed:', 'frame_SliderSpeed', 'horizontalLayout_18')

    def dir_row():
        label('label_26', 'Direction:', lambda: (sizes((110, 0), (110, 16777215)), prop(
            'alignment', '<set>Qt::AlignLeading|Qt::AlignLeft|Qt::AlignVCenter</set>')))

        def buttons():
            for name, stem in DIRECTIONS:
                def b(stem=stem):
                    sizes(None, (14, 14))
                    prop('focusPolicy', '<enum>Qt::NoFocus</enum>')
                    sheet(picture_sheet('QPushButton', 'deviceLed/', stem, False))
                    prop('text', string(''))
                    prop('checkable', '<bool>true</bool>')
                item(lambda b=b, name=name: widget('QPushButton', f'pushButton_{name}', b))
        frame('frame_8888', lambda: layout('QHBoxLayout', 'horizontalLayout_12', 6, (0, 0, 0, 0), buttons))
    frame('frame_DirectionMain', lambda: layout('QHBoxLayout', 'horizontalLayout_24', 0, (0, 0, 0, 0), dir_row),
          lambda: sizes((0, 55)))
    vspacer(20, 40)


def col_b():
    def b():
        sizes((24, 24), (24, 24))
        sheet('QToolButton{border-image: url(:/images/deviceLed/LightSelectChange.png);}\n'
              'QToolButton:hover{border-image: url(:/images/deviceLed/LightSelectChange.png);}\n'
              'QToolButton:pressed{border-image: url(:/images/deviceLed/LightSelectChange.png);}\n')
        prop('text', string('...'))
    item(lambda: widget('QToolButton', 'toolButton_LightSelectTypeChanged', b))
    vspacer(20, 143)


def colour_choice(fname, vl, cell, hl, button, bg, lname, text):
    def body():
        def btn():
            sizes((66, 14), (66, 14))
            sheet(colour_button_sheet(bg))
            prop('text', string(''))
            prop('checkable', '<bool>true</bool>')
        frame(cell, lambda: layout('QHBoxLayout', hl, 0, (0, 0, 0, 0),
                                   lambda: item(lambda: widget('QPushButton', button, btn))))
        label(lname, text, centred=True)
    frame(fname, lambda: layout('QVBoxLayout', vl, 0, (0, 0, 0, 0), body))


def col_c():
    frame('frame_7', lambda: layout('QHBoxLayout', 'horizontalLayout_4', 6, (None, 0, None, 0), lambda: label(
        'label_LightMode', 'Light mode', lambda: sheet(
            f'QLabel#label_LightMode{{color: rgb(255, 143, 31); font: 75 11pt {FONT}; '
            'border: 3px solid rgb(52, 52, 86); border-radius: 8px;}'), centred=True)),
        lambda: sizes((0, 32), (16777215, 32)))

    def row6():
        def full():
            def top():
                def cb():
                    sizes((14, 14), (14, 14))
                    prop('layoutDirection', '<enum>Qt::RightToLeft</enum>')
                    sheet('')
                    prop('text', string(''))

                def pic():
                    sizes((66, 12), (66, 12))
                    sheet('QPushButton{border-image: url(:/images/deviceLed/fullColor.png);}')
                    prop('text', string(''))
                item(lambda: widget('QCheckBox', 'checkBox_FullColorMode', cb))
                item(lambda: widget('QPushButton', 'pushButton', pic))
            frame('frame', lambda: layout('QHBoxLayout', 'horizontalLayout_14', 4, (0, 0, 15, 0), top))
            frame('frame_4', lambda: layout('QHBoxLayout', 'horizontalLayout_15', 6, (0, 0, 0, 0), lambda: label(
                'label_2', 'Full color', lambda: prop('layoutDirection', '<enum>Qt::LeftToRight</enum>'),
                centred=True)))
        frame('frame_23', lambda: layout('QVBoxLayout', 'verticalLayout_10', 0, (0, 0, 0, 0), full))
        colour_choice('frame_24', 'verticalLayout_11', 'frame_5', 'horizontalLayout_16', 'pushButton_TopColor',
                      '255, 0, 255', 'label_3', 'Top color')
        colour_choice('frame_25', 'verticalLayout_12', 'frame_13', 'horizontalLayout_17', 'pushButton_BottomColor',
                      '0, 255, 0', 'label_4', 'Bottom color')
    frame('frame_6', lambda: layout('QHBoxLayout', 'horizontalLayout', 0, (15, 0, 0, 0), row6),
          lambda: sizes((0, 38)))

    def row8():
        frame('frame_Color', lambda: layout('QHBoxLayout', 'horizontalLayout_22', 0, (0, 0, 0, 0), lambda: None),
              lambda: (sizes((100, 100)), sheet('QFrame#frame_Color{border: 0px; border-radius: 4px;}')))

        def swatches():
            def grid():
                for nn in range(1, 21):
                    def b(nn=nn):
                        if nn in (1, 2, 3, 6, 8, 11, 12, 16, 17, 18, 19, 20):
                            sizes((14, 14), (14, 14))
                        else:
                            sizes(None, (14, 14))
                        prop('text', string(''))
                        if nn <= 15:
                            prop('alignment', '<set>Qt::AlignCenter</set>')
                    item(lambda b=b, nn=nn: widget('QLabel', f'label_Color{nn:02d}', b), (nn - 1) // 5,
                         (nn - 1) % 5)
            item(lambda: layout('QGridLayout', 'gridLayout_2', 10, (None, None, None, None), grid))
        frame('frame_10', lambda: layout('QVBoxLayout', 'verticalLayout_4', 6, (None, 3, 0, None), swatches),
              lambda: sheet('QLabel{background-color: rgb(0, 255, 0); border-radius: 7px;}\n'
                            'QLabel:hover{border: 2px solid rgb(255, 143, 31); border-radius: 7px;}'))

        def entry():
            frame('frame_12', lambda: layout('QHBoxLayout', 'horizontalLayout_6', 6, (0, 0, 0, 0), lambda: label(
                'label_ColorShow', '', lambda: (sizes((47, 25), (47, 30)), sheet(
                    'QLabel#label_ColorShow{background-color: rgb(0, 255, 0); border-radius: 4px;}')),
                centred=True)))

            def grid():
                for row, (ch, val) in enumerate((('R', '0'), ('G', '255'), ('B', '0'))):
                    item(lambda ch=ch: widget('QLabel', f'label_{ch}', lambda: (
                        prop('text', string(ch)), prop('alignment', '<set>Qt::AlignCenter</set>'))), row, 0)

                    def le(val=val):
                        sizes(None, (16777215, 16))
                        prop('text', string(val))
                        prop('maxLength', '<number>3</number>')
                    item(lambda ch=ch, le=le: widget('QLineEdit', f'lineEdit_{ch}', le), row, 1)
            item(lambda: layout('QGridLayout', 'gridLayout_3', 6, (None, None, None, None), grid,
                                '<property name="horizontalSpacing"><number>4</number></property>'
                                '<property name="verticalSpacing"><number>6</number></property>'))
            vspacer(20, 40)
        frame('frame_11', lambda: layout('QVBoxLayout', 'verticalLayout_5', 6, (None, None, 0, None), entry),
              lambda: sizes(None, (60, 16777215)))
    frame('frame_8', lambda: layout('QHBoxLayout', 'horizontalLayout_5', 6, (None, 0, None, 0), row8))


def col_d():
    frame('frame_14', lambda: layout('QHBoxLayout', 'horizontalLayout_8', 6, (0, 0, 0, 0), lambda: label(
        'label_23', 'Custom light', lambda: sizes(None, (16777215, 30)))), lambda: sizes(None, (16777215, 30)))

    def box():
        def w4():
            sheet('QScrollBar:vertical{background: transparent; width: 4px; margin: 3px 0px 3px 0px;}\n'
                  'QScrollBar::handle:vertical{background: rgba(0, 0, 0, 20%); min-height: 20px; border-radius: 1px;}\n'
                  'QScrollBar::handle:vertical:hover{background: rgba(0, 0, 0, 30%);}\n'
                  'QScrollBar::add-line:vertical{height: 0px;}\nQScrollBar::sub-line:vertical{height: 0px;}\n'
                  'QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical'
                  '{background: rgb(35, 35, 35); border-radius: 4px;}')

            def scroll_lay():
                def sa():
                    prop('focusPolicy', '<enum>Qt::WheelFocus</enum>')
                    prop('autoFillBackground', '<bool>false</bool>')
                    sheet('')
                    prop('frameShape', '<enum>QFrame::NoFrame</enum>')
                    prop('lineWidth', '<number>0</number>')
                    prop('verticalScrollBarPolicy', '<enum>Qt::ScrollBarAsNeeded</enum>')
                    prop('horizontalScrollBarPolicy', '<enum>Qt::ScrollBarAlwaysOff</enum>')
                    prop('widgetResizable', '<bool>true</bool>')

                    def content():
                        prop('geometry', '<rect><x>0</x><y>0</y><width>162</width><height>189</height></rect>')
                        sheet('QWidget#scrollAreaWidgetContents_3{background-color: rgb(26, 27, 49);}')
                        layout('QVBoxLayout', 'verticalLayout_39', 0, (0, 0, 0, 0), lambda: vspacer(20, 337))
                    widget('QWidget', 'scrollAreaWidgetContents_3', content)
                item(lambda: widget('QScrollArea', 'scrollArea_3', sa))
            layout('QVBoxLayout', 'verticalLayout_38', 0, (0, 0, 0, 0), scroll_lay)
        item(lambda: widget('QWidget', 'widget_4', w4))
    frame('frame_CustomLight', lambda: layout('QVBoxLayout', 'verticalLayout_40', 0, (6, 0, 0, 0), box),
          lambda: (sizes((0, 50)), sheet(
              'QFrame#frame_CustomLight{border: none;}\n'
              f'QCheckBox{{color: rgb(175, 175, 175); font: 75 12pt {FONT};}}\n'
              'QCheckBox:checked{color: rgb(255, 49, 53);}\n'
              'QCheckBox::indicator{width: 13px; height: 13px;}\n'
              'QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}\n'
              'QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}')))


build()
open(sys.argv[1], 'w', encoding='utf-8').write('\n'.join(out) + '\n')
