<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Pondrel</name>
    <message>
        <source>Menu Bar Icon</source>
        <translation>Tray Icon</translation>
    </message>
    <message>
        <source>The game&apos;s icon, highlighted in the menu bar</source>
        <translation>The game&apos;s icon, highlighted in the panel</translation>
    </message>
</context>
</TS>
