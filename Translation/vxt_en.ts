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
<context>
    <name>QDevInfo</name>
    <message>
        <source>Device Name</source>
        <translation>Device Name</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Device Type</translation>
    </message>
    <message>
        <source>DeviceResolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>DeviceSN</source>
        <translation>SN</translation>
    </message>
    <message>
        <source>SoftwareVersionInfo</source>
        <translation>Software Version</translation>
    </message>
    <message>
        <source>Temperature measurement</source>
        <translation>Thermography</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>Failed to get device information</source>
        <translation>Failed to get the device information</translation>
    </message>
</context>
<context>
    <name>QImageCorrectModule</name>
    <message>
        <source>This module must be operated under the guidance of the manufacturer's professional personnel,otherwise, it may result in image abnormalities!</source>
        <translation>This module must be operated under the guidance of the manufacturer's professional personnel, otherwise, it may result in image abnormalities!</translation>
    </message>
</context>
<context>
    <name>QLoginSetting</name>
    <message>
        <source>Connect device</source>
        <translation>Connect device</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>Connection type</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>UVC</source>
        <translation>UVC</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Device not found.</source>
        <translation>Device not found.</translation>
    </message>
</context>
<context>
    <name>QVideoWndWidget</name>
    <message>
        <source>AddBP</source>
        <translation>Add defective pixel</translation>
    </message>
    <message>
        <source>DeleteBP</source>
        <translation>Delete defective pixel</translation>
    </message>
    <message>
        <source>DeleteAllBP</source>
        <translation>Delete all defective pixels</translation>
    </message>
    <message>
        <source>AddBPCol</source>
        <translation>Add defective column</translation>
    </message>
    <message>
        <source>DeleteBPCol</source>
        <translation>Delete defective column</translation>
    </message>
    <message>
        <source>DeleteAllBPCol</source>
        <translation>Delete all defective columns</translation>
    </message>
    <message>
        <source>ImageSize</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>The bad pixel is set</source>
        <translation>The same defective pixel has existed</translation>
    </message>
    <message>
        <source>The bad column is set</source>
        <translation>The same defective column already exists</translation>
    </message>
    <message>
        <source>There are adjacent bad columns</source>
        <translation>An adjacent defective column already exists next to the defective column</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all bad point markers?</source>
        <translation>Are you sure you want to delete all defective pixels?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all bad column markers?</source>
        <translation>Are you sure you want to delete all defective columns?</translation>
    </message>
    <message>
        <source>QVideoWndWidget</source>
        <translation>Video</translation>
    </message>
</context>
<context>
    <name>QVideoHistogram</name>
    <message>
        <source>Y-Histogram count</source>
        <translation>Y histogram</translation>
    </message>
</context>
<context>
    <name>QVideoPreviewModuleWidget</name>
    <message>
        <source>White Hot</source>
        <translation>White Hot</translation>
    </message>
    <message>
        <source>Black Hot</source>
        <translation>Black Hot</translation>
    </message>
    <message>
        <source>Fusion</source>
        <translation>Fusion</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Rainbow</translation>
    </message>
    <message>
        <source>Golden-fall</source>
        <translation>Golden-fall</translation>
    </message>
    <message>
        <source>Fifth-day</source>
        <translation>Fifth-day</translation>
    </message>
    <message>
        <source>Iron Red</source>
        <translation>Iron Red</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Amber</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sunset</translation>
    </message>
    <message>
        <source>Ice fire</source>
        <translation>Ice fire</translation>
    </message>
    <message>
        <source>Oil-Paint</source>
        <translation>Oil-Paint</translation>
    </message>
    <message>
        <source>Pomegranate</source>
        <translation>Pomegranate</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Emerald</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Spring</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Summer</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Autumn</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Thermal Detection</source>
        <translation>Thermal Detection</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Wake up</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Sleep</translation>
    </message>
    <message>
        <source>Disconnect the device?</source>
        <translation>Disconnect the device?</translation>
    </message>
    <message>
        <source>Device connect fail prompt1</source>
        <translation>Device disconnected, please check:</translation>
    </message>
    <message>
        <source>Device connect fail prompt2</source>
        <translation>1. Whether the cable between the device and the computer is properly inserted</translation>
    </message>
    <message>
        <source>Device connect fail prompt3</source>
        <translation>2. The device communication preparation takes about 7 seconds after connection. Please try again later</translation>
    </message>
    <message>
        <source>Device Thermal Fail, Please reconnect.</source>
        <translation>Failed to start the temperature measurement. Please reconnect.</translation>
    </message>
    <message>
        <source>Device Real Play Fail, Please reconnect.</source>
        <translation>Failed to start the live video. Please reconnect.</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>The device is not connected.</translation>
    </message>
    <message>
        <source>Video is freezing.</source>
        <translation>The video is frozen.</translation>
    </message>
    <message>
        <source>Device is recording.</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Fail to close sleep mode.</source>
        <translation>Failed to leave sleep mode.</translation>
    </message>
    <message>
        <source>Fail to start sleep mode.</source>
        <translation>Failed to enter sleep mode.</translation>
    </message>
    <message>
        <source>The drawing area is too small</source>
        <translation>The drawing area is too small</translation>
    </message>
    <message>
        <source>Set Temperature Param Fail</source>
        <translation>Failed to set the temperature parameters</translation>
    </message>
    <message>
        <source>Device is sleeping</source>
        <translation>The device is sleeping</translation>
    </message>
    <message>
        <source>Colorization Set Fail.</source>
        <translation>Failed to set the palette.</translation>
    </message>
    <message>
        <source>Get Color Fail.</source>
        <translation>Failed to read the palette.</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Freeze</translation>
    </message>
    <message>
        <source>Hot spot</source>
        <translation>Hot spot</translation>
    </message>
    <message>
        <source>Cold spot</source>
        <translation>Cold spot</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snapshot</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>Operation succeeded</translation>
    </message>
    <message>
        <source>Failed to FFC</source>
        <translation>FFC failed</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Error code</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Get Temperature Param Fail</source>
        <translation>Get Temperature Param Fail</translation>
    </message>
    <message>
        <source>Recording Start</source>
        <translation>Recording Start</translation>
    </message>
    <message>
        <source>Recording Failed</source>
        <translation>Recording Failed</translation>
    </message>
    <message>
        <source>Record Path Not Exit</source>
        <translation>Record path does not exist</translation>
    </message>
    <message>
        <source>DiskFreeSpace Not Enough</source>
        <translation>Not enough free disk space</translation>
    </message>
    <message>
        <source>Alarm has occurred, manual recording stop</source>
        <translation>Alarm has occurred, manual recording stopped</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Unknown Error</translation>
    </message>
    <message>
        <source>Recording Finished</source>
        <translation>Recording Finished</translation>
    </message>
    <message>
        <source>Snapshot Succeed</source>
        <translation>Snapshot saved</translation>
    </message>
    <message>
        <source>Snapshot Failed</source>
        <translation>Snapshot Failed</translation>
    </message>
    <message>
        <source>Snapshot Path Not Exit</source>
        <translation>Snapshot path does not exist</translation>
    </message>
    <message>
        <source>Export heat map failed</source>
        <translation>Export heat map failed</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>File Error</translation>
    </message>
    <message>
        <source>Parameters Error</source>
        <translation>Parameters Error</translation>
    </message>
    <message>
        <source>Shutter is acting.</source>
        <translation>Shutter is acting.</translation>
    </message>
</context>
<context>
    <name>QPreviewModuleWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>TemperResult</source>
        <translation>Temp Result</translation>
    </message>
    <message>
        <source>GainModel</source>
        <translation>Gain Mode</translation>
    </message>
    <message>
        <source>Rule Property</source>
        <translation>Rule Property</translation>
    </message>
    <message>
        <source>GlobalThermalSet</source>
        <translation>Global Temp Config</translation>
    </message>
    <message>
        <source>Second Calibration</source>
        <translation>Secondary Calibration</translation>
    </message>
    <message>
        <source>Isotherm</source>
        <translation>Isotherm</translation>
    </message>
</context>
<context>
    <name>QVideoTemperResult</name>
    <message>
        <source>QVideoTemperResult</source>
        <translation>Temperature Results</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Avg</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
</context>
<context>
    <name>QVideoTemperShow</name>
    <message>
        <source>QVideoTemperShow</source>
        <translation>Temperature Overlay</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
</context>
<context>
    <name>QVideoTemperWidget</name>
    <message>
        <source>QVideoTemperWidget</source>
        <translation>Rule Temperature</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Avg</translation>
    </message>
</context>
<context>
    <name>QVideoSceneViewCtrl</name>
    <message>
        <source>QVideoSceneViewCtrl</source>
        <translation>QVideoSceneViewCtrl</translation>
    </message>
    <message>
        <source>Delete Rule</source>
        <translation>Delete Rule</translation>
    </message>
    <message>
        <source>Rule Property</source>
        <translation>Rule Property</translation>
    </message>
    <message>
        <source>Video is freezing.</source>
        <translation>Video is freezing.</translation>
    </message>
    <message>
        <source>The maximum number of additions has been reached.</source>
        <translation>The maximum number of additions has been reached.</translation>
    </message>
    <message>
        <source>The drawing area is too small</source>
        <translation>The drawing area is too small</translation>
    </message>
    <message>
        <source>Get Temperature Param Fail</source>
        <translation>Get Temperature Param Fail</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
</context>
<context>
    <name>QRuleParamSet</name>
    <message>
        <source>BasicTemperParam</source>
        <translation>Basic Temp Parameter</translation>
    </message>
    <message>
        <source>EnvironmentTemper</source>
        <translation>Amb. Temp</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Rule Property</source>
        <translation>Rule Property</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Emissivity</source>
        <translation>Emissivity</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>ReflexTemper</source>
        <translation>Reflected Temp</translation>
    </message>
    <message>
        <source>RestoreDefault</source>
        <translation>Restore Default</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>Operation succeeded</translation>
    </message>
</context>
<context>
    <name>QGlobalThermalSetting</name>
    <message>
        <source>TemperUnit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>RefreshTime</source>
        <translation>Refresh Interval</translation>
    </message>
    <message>
        <source>Full Screen Thermal Show</source>
        <translation>Full-Screen Temp</translation>
    </message>
    <message>
        <source>SaveHeatMapRules</source>
        <translation>Save Rules To HeatMap</translation>
    </message>
    <message>
        <source>Centigrade</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>℉</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>QGainModeSwitch</name>
    <message>
        <source>GainModel</source>
        <translation>Gain Mode</translation>
    </message>
    <message>
        <source>Low Temper</source>
        <translation>Low Temp</translation>
    </message>
    <message>
        <source>High Temper</source>
        <translation>High Temp</translation>
    </message>
    <message>
        <source>Ultimate</source>
        <translation>Ultimate</translation>
    </message>
    <message>
        <source>Switch Gear</source>
        <translation>Switch Gear</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Gears</source>
        <translation>Low Temp Gears</translation>
    </message>
    <message>
        <source>First Gear</source>
        <translation>First Gear</translation>
    </message>
    <message>
        <source>Second Gear</source>
        <translation>Second Gear</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Failed to get gainmodel</source>
        <translation>Failed to get the gain mode</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Error code</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operation failed</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>Operation succeeded</translation>
    </message>
    <message>
        <source>Failed to get low temp gear</source>
        <translation>Failed to get the low temperature gear</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>The device is not connected.</translation>
    </message>
    <message>
        <source>Device is sleeping</source>
        <translation>The device is sleeping</translation>
    </message>
    <message>
        <source>Save the config?</source>
        <translation>Save the configuration?</translation>
    </message>
    <message>
        <source>Save succeed</source>
        <translation>Saved successfully</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Save failed</translation>
    </message>
</context>
<context>
    <name>QSecondCalibration</name>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Equilibrium</translation>
    </message>
    <message>
        <source>Unbalanced</source>
        <translation>Disequilibrium</translation>
    </message>
    <message>
        <source>Qualified</source>
        <translation>Valid</translation>
    </message>
    <message>
        <source>Unqualified</source>
        <translation>Invalid</translation>
    </message>
    <message>
        <source>Balanced state</source>
        <translation>Balanced State</translation>
    </message>
    <message>
        <source>Get balanced state</source>
        <translation>Get Balanced State</translation>
    </message>
    <message>
        <source>Set calibration RECT</source>
        <translation>Set Calibration Box</translation>
    </message>
    <message>
        <source>Save calibration RECT</source>
        <translation>Save Calibration Box</translation>
    </message>
    <message>
        <source>Temperature calibration</source>
        <translation>Temperature Calibration</translation>
    </message>
    <message>
        <source>RestoreDefault</source>
        <translation>Restore Default</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Low Temper</source>
        <translation>Low Temp</translation>
    </message>
    <message>
        <source>Low Temper Second</source>
        <translation>Low Temp Gear 2</translation>
    </message>
    <message>
        <source>High Temper</source>
        <translation>High Temp</translation>
    </message>
    <message>
        <source>Calibration results</source>
        <translation>Calibration Result</translation>
    </message>
    <message>
        <source>Calibration completion time</source>
        <translation>Completion Time</translation>
    </message>
    <message>
        <source>Blackbody Temp</source>
        <translation>Blackbody Temp</translation>
    </message>
    <message>
        <source>Set RECT will clear all rules, please confirm</source>
        <translation>After setting the calibration box, all rules will be cleared and the distance on the rule property page will be set to 0 meters. Continue?</translation>
    </message>
    <message>
        <source>The number of rule types is incorrect, there can only be 2</source>
        <translation>Please generate calibration box first</translation>
    </message>
    <message>
        <source>Wrong rule type, should be a rectangle</source>
        <translation>Rule type error, please set calibration box first.</translation>
    </message>
    <message>
        <source>High temperature should greater than low temperature</source>
        <translation>During temperature calibration, the high temperature value must be greater than the low temperature value.</translation>
    </message>
    <message>
        <source>Calibration success</source>
        <translation>Calibrated successfully.</translation>
    </message>
    <message>
        <source>Calibration failed</source>
        <translation>Failed to calibrate.</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>Operation succeeded</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operation failed</translation>
    </message>
</context>
<context>
    <name>QSecondCalibrationProcessDlg</name>
    <message>
        <source>Please Wait</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>QSceneViewCtrl</name>
    <message>
        <source>QSceneViewCtrl</source>
        <translation>QSceneViewCtrl</translation>
    </message>
    <message>
        <source>Delete Rule</source>
        <translation>Delete Rule</translation>
    </message>
    <message>
        <source>Set the positioning point as a point rule</source>
        <translation>Set the positioning point as a point rule</translation>
    </message>
    <message>
        <source>Lock grid</source>
        <translation>Lock grid</translation>
    </message>
    <message>
        <source>Unlock grid</source>
        <translation>Unlock grid</translation>
    </message>
    <message>
        <source>Quit grid</source>
        <translation>Quit grid</translation>
    </message>
    <message>
        <source>Can not add more rules</source>
        <translation>Can not add more rules</translation>
    </message>
</context>
<context>
    <name>QTemperResult</name>
    <message>
        <source>QTemperResult</source>
        <translation>Temperature Results</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Avg</translation>
    </message>
</context>
<context>
    <name>QHotImageParamSet</name>
    <message>
        <source>BasicTemperParam</source>
        <translation>Basic Temp Parameter</translation>
    </message>
    <message>
        <source>EnvironmentTemper</source>
        <translation>Amb. Temp</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Rule Property</source>
        <translation>Rule Property</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Emissivity</source>
        <translation>Emissivity</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>ReflexTemper</source>
        <translation>Reflected Temp</translation>
    </message>
    <message>
        <source>RestoreDefault</source>
        <translation>Restore Default</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>QTemperRangeAdjust</name>
    <message>
        <source>TemperRangeAdjust</source>
        <translation>Temp Range</translation>
    </message>
</context>
<context>
    <name>QHotImageCtrl</name>
    <message>
        <source>QHotImageCtrl</source>
        <translation>Heat Map Analysis</translation>
    </message>
    <message>
        <source>MapImport</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>MapExport</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>NotShow</source>
        <translation>Hide Temp</translation>
    </message>
    <message>
        <source>LeftTop</source>
        <translation>Top Left</translation>
    </message>
    <message>
        <source>Max Temp</source>
        <translation>Max Temp</translation>
    </message>
    <message>
        <source>Min Temp</source>
        <translation>Min Temp</translation>
    </message>
    <message>
        <source>AVG Temp</source>
        <translation>Avg Temp</translation>
    </message>
    <message>
        <source>TemperShow</source>
        <translation>Temp Show</translation>
    </message>
    <message>
        <source>White Hot</source>
        <translation>White Hot</translation>
    </message>
    <message>
        <source>Black Hot</source>
        <translation>Black Hot</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Rainbow</translation>
    </message>
    <message>
        <source>Golden-fall</source>
        <translation>Golden-fall</translation>
    </message>
    <message>
        <source>Iron Red</source>
        <translation>Iron Red</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Amber</translation>
    </message>
    <message>
        <source>Ice fire</source>
        <translation>Ice fire</translation>
    </message>
    <message>
        <source>Oil-Paint</source>
        <translation>Oil-Paint</translation>
    </message>
    <message>
        <source>Thermal Detection</source>
        <translation>Thermal Detection</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>ThermalImage</source>
        <translation>Thermal Image</translation>
    </message>
    <message>
        <source>ExportReport</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Grid thermal info</source>
        <translation>Grid Temperature</translation>
    </message>
    <message>
        <source>X position</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y position</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Set the positioning point as a point rule</source>
        <translation>Set the positioning point as a point rule</translation>
    </message>
    <message>
        <source>Centigrade</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>℉</translation>
    </message>
    <message>
        <source>Can not add more rules</source>
        <translation>Can not add more rules</translation>
    </message>
    <message>
        <source>The drawing area is too small</source>
        <translation>The drawing area is too small</translation>
    </message>
    <message>
        <source>Please open grid first</source>
        <translation>Please open grid first</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>Save succeed</source>
        <translation>Save succeed</translation>
    </message>
    <message>
        <source>Import heat map failed</source>
        <translation>Import heat map failed</translation>
    </message>
    <message>
        <source>Export heat map success</source>
        <translation>Export heat map success</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>The device is not connected.</translation>
    </message>
    <message>
        <source>Shutter is acting.</source>
        <translation>Shutter is acting.</translation>
    </message>
    <message>
        <source>File(*.jpg *.png *.bmp)</source>
        <translation>File(*.jpg *.png *.bmp)</translation>
    </message>
</context>
<context>
    <name>QReportExportDlg</name>
    <message>
        <source>ExportReport</source>
        <translation>Export Report</translation>
    </message>
    <message>
        <source>ParamSettings</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Complete</translation>
    </message>
    <message>
        <source>BasicInfo</source>
        <translation>Basic Information</translation>
    </message>
    <message>
        <source>FileName</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>SavePath</source>
        <translation>Save Path</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>CoverPage</source>
        <translation>Cover Page</translation>
    </message>
    <message>
        <source>ReportTitle</source>
        <translation>Report Title</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>DisplayData</source>
        <translation>Display Data</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>EnvironmentTemper</source>
        <translation>Ambient Temperature</translation>
    </message>
    <message>
        <source>ReflexTemper</source>
        <translation>Reflected Temperature</translation>
    </message>
    <message>
        <source>TextNote</source>
        <translation>Text Note</translation>
    </message>
    <message>
        <source>PrevStep</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>NextStep</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Cannot be empty</source>
        <translation>Cannot be empty</translation>
    </message>
    <message>
        <source>The file already exist,Replace it</source>
        <translation>The file already exists. Replace it?</translation>
    </message>
    <message>
        <source>Export successful</source>
        <translation>Export successful</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>The file path is too long</translation>
    </message>
</context>
<context>
    <name>QReportExport</name>
    <message>
        <source>ReportTime</source>
        <translation>Report Time</translation>
    </message>
    <message>
        <source>TestReport</source>
        <translation>Test Report</translation>
    </message>
    <message>
        <source>TemperInfo</source>
        <translation>Temperature Information</translation>
    </message>
    <message>
        <source>TemperRule</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>Max Temp</source>
        <translation>Max Temp</translation>
    </message>
    <message>
        <source>AVG Temp</source>
        <translation>Avg Temp</translation>
    </message>
    <message>
        <source>Min Temp</source>
        <translation>Min Temp</translation>
    </message>
    <message>
        <source>Grid thermal info</source>
        <translation>Grid Temperature</translation>
    </message>
    <message>
        <source>X position</source>
        <translation>X Position</translation>
    </message>
    <message>
        <source>Y position</source>
        <translation>Y Position</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Global Param</source>
        <translation>Global Parameters</translation>
    </message>
    <message>
        <source>Emissivity</source>
        <translation>Emissivity</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>EnvironmentTemper</source>
        <translation>Ambient Temperature</translation>
    </message>
    <message>
        <source>ReflexTemper</source>
        <translation>Reflected Temperature</translation>
    </message>
    <message>
        <source>Rule Param</source>
        <translation>Rule Parameters</translation>
    </message>
    <message>
        <source>Rule Enable</source>
        <translation>Rule Enabled</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabled</translation>
    </message>
</context>
<context>
    <name>QBasicSetting</name>
    <message>
        <source>Airspace Denoising</source>
        <translation>Spatial Noise Reduction</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Amber</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Autumn</translation>
    </message>
    <message>
        <source>Black Hot</source>
        <translation>Black Hot</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>ContrastRatio</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Detail Enhancement</source>
        <translation>Detail Enhancement</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Emerald</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Error code</translation>
    </message>
    <message>
        <source>Failed to get Isp Mode</source>
        <translation>Failed to read the image style</translation>
    </message>
    <message>
        <source>Failed to get LCE</source>
        <translation>Failed to read the detail enhancement</translation>
    </message>
    <message>
        <source>Failed to get Noise2D</source>
        <translation>Failed to read the spatial noise reduction</translation>
    </message>
    <message>
        <source>Failed to get Noise3D</source>
        <translation>Failed to read the temporal noise reduction</translation>
    </message>
    <message>
        <source>Failed to get brightness</source>
        <translation>Failed to read the brightness</translation>
    </message>
    <message>
        <source>Failed to get contrast</source>
        <translation>Failed to read the contrast</translation>
    </message>
    <message>
        <source>Failed to get sharpness</source>
        <translation>Failed to read the sharpness</translation>
    </message>
    <message>
        <source>Failed to set Isp Mode</source>
        <translation>Failed to set the image style</translation>
    </message>
    <message>
        <source>Fifth-day</source>
        <translation>Fifth-day</translation>
    </message>
    <message>
        <source>Fusion</source>
        <translation>Fusion</translation>
    </message>
    <message>
        <source>General Mode</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Golden-fall</source>
        <translation>Golden-fall</translation>
    </message>
    <message>
        <source>Graphic style</source>
        <translation>Image Style</translation>
    </message>
    <message>
        <source>Ice fire</source>
        <translation>Ice fire</translation>
    </message>
    <message>
        <source>Iron Red</source>
        <translation>Iron Red</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>Oil-Paint</source>
        <translation>Oil-Paint</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>Operation succeeded</translation>
    </message>
    <message>
        <source>Original Mode</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Pomegranate</source>
        <translation>Pomegranate</translation>
    </message>
    <message>
        <source>PseudoColor</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Rainbow</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Sharpness</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Spring</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Summer</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sunset</translation>
    </message>
    <message>
        <source>Thermal Detection</source>
        <translation>Thermal Detection</translation>
    </message>
    <message>
        <source>Time Domain Noise Reduction</source>
        <translation>Temporal Noise Reduction</translation>
    </message>
    <message>
        <source>White Hot</source>
        <translation>White Hot</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
</context>
<context>
    <name>QFFCSetting</name>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Background Correction</source>
        <translation>Background Correction</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Error code</translation>
    </message>
    <message>
        <source>FFC SwitchPeriod</source>
        <translation>FFC Period</translation>
    </message>
    <message>
        <source>FFCModel</source>
        <translation>FFC Mode</translation>
    </message>
    <message>
        <source>Failed to Background FFC</source>
        <translation>Background correction failed</translation>
    </message>
    <message>
        <source>Failed to FFC</source>
        <translation>FFC failed</translation>
    </message>
    <message>
        <source>Failed to get FFC period</source>
        <translation>Failed to read the FFC period</translation>
    </message>
    <message>
        <source>Failed to get FFCModel</source>
        <translation>Failed to read the FFC mode</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>Operation succeeded</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Shut</source>
        <translation>Shutter</translation>
    </message>
    <message>
        <source>Shutter Correction</source>
        <translation>Shutter Correction</translation>
    </message>
</context>
<context>
    <name>QGainSetting</name>
    <message>
        <source>Auto Gain</source>
        <translation>Auto Gain</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Error code</translation>
    </message>
    <message>
        <source>Failed to get autogain</source>
        <translation>Failed to read the auto gain</translation>
    </message>
    <message>
        <source>Failed to get gainmodel</source>
        <translation>Failed to read the gain mode</translation>
    </message>
    <message>
        <source>GainModel</source>
        <translation>Gain Mode</translation>
    </message>
    <message>
        <source>High Temper</source>
        <translation>High Temp</translation>
    </message>
    <message>
        <source>Low Temper</source>
        <translation>Low Temp</translation>
    </message>
</context>
<context>
    <name>QWideDynamicWidget</name>
    <message>
        <source>Close</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>Error code</translation>
    </message>
    <message>
        <source>Failed to get global contrast</source>
        <translation>Failed to read the global contrast</translation>
    </message>
    <message>
        <source>Failed to get local contrast</source>
        <translation>Failed to read the local contrast</translation>
    </message>
    <message>
        <source>Failed to get wide-dynamic</source>
        <translation>Failed to read the wide dynamic range</translation>
    </message>
    <message>
        <source>Global Contrast</source>
        <translation>Global Contrast</translation>
    </message>
    <message>
        <source>Local Contrast</source>
        <translation>Local Contrast</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
</context>
<context>
    <name>QImageModeWidget</name>
    <message>
        <source>Device is not connect.</source>
        <translation>The device is not connected.</translation>
    </message>
    <message>
        <source>Device is sleeping</source>
        <translation>The device is sleeping</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Max limit</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Min limit</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operation failed</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>Operation succeeded</translation>
    </message>
    <message>
        <source>Pseudo isotherm</source>
        <translation>Pseudo Isotherm</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>The upper limit should be greater than lower limit</source>
        <translation>The upper limit must be greater than the lower limit</translation>
    </message>
</context>
<context>
    <name>QImageInfo</name>
    <message>
        <source>BasicSetting</source>
        <translation>Basic Settings</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>The device is not connected.</translation>
    </message>
    <message>
        <source>Device is sleeping</source>
        <translation>The device is sleeping</translation>
    </message>
    <message>
        <source>FFC time should be greater than 10.</source>
        <translation>The FFC period should be at least 10.</translation>
    </message>
    <message>
        <source>FFC time should be greater than 10min.</source>
        <translation>The FFC period should be at least 10 min.</translation>
    </message>
    <message>
        <source>FFCSetting</source>
        <translation>FFC Settings</translation>
    </message>
    <message>
        <source>GainSetting</source>
        <translation>Gain Settings</translation>
    </message>
    <message>
        <source>Image mode</source>
        <translation>Image Mode</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operation failed</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>Operation succeeded</translation>
    </message>
    <message>
        <source>QImageInfo</source>
        <translation>Image Parameters</translation>
    </message>
    <message>
        <source>RestoreDefault</source>
        <translation>Restore Default</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>Save succeed</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Save the config?</source>
        <translation>Save the configuration?</translation>
    </message>
    <message>
        <source>Wide dynamic</source>
        <translation>Wide Dynamic Range</translation>
    </message>
</context>
<context>
    <name>QUpdate</name>
    <message>
        <source>MainProgramUpdate</source>
        <translation>Main program</translation>
    </message>
    <message>
        <source>USBUpdate</source>
        <translation>USB program</translation>
    </message>
    <message>
        <source>CombinedUpdate</source>
        <translation>Combined package</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>UpdateFile</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Please select a .bin file to upgrade.</source>
        <translation>Please select a .bin file to upgrade.</translation>
    </message>
    <message>
        <source>Please select a .img file to upgrade.</source>
        <translation>Please select a .img file to upgrade.</translation>
    </message>
    <message>
        <source>Bin File(*.bin)</source>
        <translation>Bin File (*.bin)</translation>
    </message>
    <message>
        <source>File(*.img *.bin)</source>
        <translation>Firmware File (*.img *.bin)</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>The device is not connected.</translation>
    </message>
    <message>
        <source>Upgrade success!</source>
        <translation>Update succeeded.</translation>
    </message>
    <message>
        <source>Upgrade Fail.</source>
        <translation>Update failed</translation>
    </message>
    <message>
        <source>File verification error.</source>
        <translation>file verification error.</translation>
    </message>
</context>
<context>
    <name>QSettingsDlg</name>
    <message>
        <source>Save Path</source>
        <translation>Save path</translation>
    </message>
    <message>
        <source>CrossCursor</source>
        <translation>Cross cursor</translation>
    </message>
    <message>
        <source>ImageFlip</source>
        <translation>Image flip</translation>
    </message>
    <message>
        <source>Super Resolution</source>
        <translation>Super resolution</translation>
    </message>
    <message>
        <source>Restart Device</source>
        <translation>Restart device</translation>
    </message>
    <message>
        <source>Restore Factory Set</source>
        <translation>Factory reset</translation>
    </message>
    <message>
        <source>Temperature Matrix</source>
        <translation>Temperature matrix</translation>
    </message>
    <message>
        <source>Output mode switch</source>
        <translation>Output mode</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>AllFlip</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Gray Scale</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Snapshot Path Too Long</source>
        <translation>The snapshot path is too long</translation>
    </message>
    <message>
        <source>Save succeed</source>
        <translation>Saved successfully</translation>
    </message>
    <message>
        <source>Path open failed</source>
        <translation>The folder could not be opened</translation>
    </message>
    <message>
        <source>Device is sleeping</source>
        <translation>The device is sleeping</translation>
    </message>
    <message>
        <source>Video is freezing.</source>
        <translation>The video is frozen.</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>The device is not connected.</translation>
    </message>
    <message>
        <source>Repower the device?</source>
        <translation>Restart the device?</translation>
    </message>
    <message>
        <source>Failed to reboot device</source>
        <translation>The device could not be restarted</translation>
    </message>
    <message>
        <source>Restore factory set?</source>
        <translation>Reset the device to its factory settings?</translation>
    </message>
    <message>
        <source>Failed to restore device</source>
        <translation>The factory reset failed</translation>
    </message>
    <message>
        <source>Output Mode Switch Failed</source>
        <translation>The output mode could not be switched</translation>
    </message>
    <message>
        <source>Switching successful, device will automatically reboot soon</source>
        <translation>Switched; the device will restart shortly</translation>
    </message>
    <message>
        <source>Failed to get Output Mode</source>
        <translation>The output mode could not be read</translation>
    </message>
    <message>
        <source>Please confirm whether to switch the output mode</source>
        <translation>Switch the output mode?</translation>
    </message>
    <message>
        <source>Switch super resolution mode?</source>
        <translation>Switch the super resolution mode?</translation>
    </message>
    <message>
        <source>Device will automatically reboot</source>
        <translation>The device will restart by itself</translation>
    </message>
    <message>
        <source>Failed to switch super resolution mode.</source>
        <translation>The super resolution mode could not be switched.</translation>
    </message>
    <message>
        <source>Failed to get Super Resolution Mode</source>
        <translation>The super resolution mode could not be read</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operation failed</translation>
    </message>
    <message>
        <source>Failed to get Thermal Raw Type</source>
        <translation>The raw data type could not be read</translation>
    </message>
</context>
<context>
    <name>QFocusWidget</name>
    <message>
        <source>Focus Mode</source>
        <translation>Focus Mode</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Auto Focus</source>
        <translation>Auto Focus</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>Device is not connect.</translation>
    </message>
    <message>
        <source>Failed to get focus mode.</source>
        <translation>Failed to get focus mode.</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operate failed</translation>
    </message>
</context>
<context>
    <name>QSettingCtrl</name>
    <message>
        <source>QSettingCtrl</source>
        <translation>QSettingCtrl</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>VersionUpdate</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Focus</translation>
    </message>
</context>
</TS>
