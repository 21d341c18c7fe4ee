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

<!-- area: frame, security, welcome and login -->

<!-- area: passwords -->

<!-- area: notes and backup -->

<!-- area: cloud -->

<!-- area: help and settings -->

</TS>
