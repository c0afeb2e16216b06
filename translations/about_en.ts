<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>Form2</name>
    <message>
        <source>Ein Programm zur Berechnung von Einschlussflächen für die k-Baum Probefläche</source>
        <translation>Program for calculation of inclusion zones for k-tree sampling</translation>
    </message>
    <message>
        <source>%1      und      %2</source>
        <translation>%1      and      %2</translation>
    </message>
</context>
</TS>
