<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<!-- area: shell -->
<context>
    <name>main</name>
    <message>
        <source>岚匣密管</source>
        <translation>Keyloft</translation>
    </message>
</context>
<!-- area: store -->

<!-- area: widgets -->

<!-- area: popups and keypads -->
<context>
    <name>BottomPopupMenu</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>IconChoosePage</name>
    <message>
        <source>选择图标</source>
        <translation>Choose Icon</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>PromptMenu</name>
    <message>
        <source>长按可编辑</source>
        <translation>Press and hold to edit</translation>
    </message>
</context>
<context>
    <name>QuestionDialog</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ZVInputDialog</name>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>

<!-- area: frame, security, welcome and login -->

<!-- area: passwords -->

<!-- area: notes and backup -->

<!-- area: cloud -->

<!-- area: help and settings -->

</TS>
