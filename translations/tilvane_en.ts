<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Messages</name>
    <message numerus="yes">
        <source>%n Tiles</source>
        <translation>
            <numerusform>%n Tiles</numerusform>
            <numerusform>%n Tiles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves</source>
        <translation>
            <numerusform>%n Moves</numerusform>
            <numerusform>%n Moves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles</source>
        <translation>
            <numerusform>%n Reshuffle</numerusform>
            <numerusform>%n Reshuffles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Tiles Left</source>
        <translation>
            <numerusform>%n Tiles Left</numerusform>
            <numerusform>%n Tiles Left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Moves Available</source>
        <translation>
            <numerusform>%n Moves Available</numerusform>
            <numerusform>%n Moves Available</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Reshuffles Left</source>
        <translation>
            <numerusform>%n Reshuffle Left</numerusform>
            <numerusform>%n Reshuffles Left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message numerus="yes">
        <source>%n sec</source>
        <translation>
            <numerusform>%n sec</numerusform>
            <numerusform>%n sec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
</context>
</TS>
