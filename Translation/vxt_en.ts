<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>Calidra</source>
        <translation>Calidra</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Feet</translation>
    </message>
</context>
<context>
    <name>QCtrlModuleWidget</name>
    <message>
        <source>VideoPreview</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>DeviceInfo</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>ImageInfo</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Heat map analysis</source>
        <translation>Heatmap</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Image Correction</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Temp Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Device is recording.</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Device is sleeping</source>
        <translation>The device is sleeping</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>AdvancedPage</source>
        <translation>Advanced settings</translation>
    </message>
</context>
<context>
    <name>QTitleWidget</name>
    <message>
        <source>checkLanguage</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>QAboutDlg</name>
    <message>
        <source>VersionInfo</source>
        <translation>Client Info</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>CopyRight</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>openSourceInfo</source>
        <translation>Open Source Info</translation>
    </message>
    <message>
        <source>Open Source License</source>
        <translation>Open Source License</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Path open failed</source>
        <translation>Failed to open folder</translation>
    </message>
</context>
<context>
    <name>QLoadingMsgDlg</name>
    <message>
        <source>Please Wait</source>
        <translation>Please wait...</translation>
    </message>
</context>
<context>
    <name>QMessageboxDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>QPasswordDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Password error</source>
        <translation>Incorrect password</translation>
    </message>
</context>
<context>
    <name>QPicCtrlWidget</name>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
</TS>
