<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>米</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>英尺</translation>
    </message>
</context>
<context>
    <name>QCtrlModuleWidget</name>
    <message>
        <source>VideoPreview</source>
        <translation>视频预览</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>DeviceInfo</source>
        <translation>设备信息</translation>
    </message>
    <message>
        <source>ImageInfo</source>
        <translation>图像参数</translation>
    </message>
    <message>
        <source>Heat map analysis</source>
        <translation>热图分析</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>高级设置</translation>
    </message>
    <message>
        <source>Image Correction</source>
        <translation>图像校正</translation>
    </message>
    <message>
        <source>Temp Calibration</source>
        <translation>温度校准</translation>
    </message>
    <message>
        <source>Device is recording.</source>
        <translation>设备录像中</translation>
    </message>
    <message>
        <source>Device is sleeping</source>
        <translation>设备休眠中</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>AdvancedPage</source>
        <translation>高级设置</translation>
    </message>
</context>
<context>
    <name>QTitleWidget</name>
    <message>
        <source>checkLanguage</source>
        <translation>切换语言</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>QAboutDlg</name>
    <message>
        <source>VersionInfo</source>
        <translation>客户端信息</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>CopyRight</source>
        <translation>版权</translation>
    </message>
    <message>
        <source>openSourceInfo</source>
        <translation>开源信息</translation>
    </message>
    <message>
        <source>Open Source License</source>
        <translation>开源许可</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Path open failed</source>
        <translation>打开文件夹失败</translation>
    </message>
</context>
<context>
    <name>QLoadingMsgDlg</name>
    <message>
        <source>Please Wait</source>
        <translation>请等待</translation>
    </message>
</context>
<context>
    <name>QMessageboxDlg</name>
    <message>
        <source>OK</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QPasswordDlg</name>
    <message>
        <source>OK</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Password error</source>
        <translation>密码错误</translation>
    </message>
</context>
<context>
    <name>QPicCtrlWidget</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>QDevInfo</name>
    <message>
        <source>Device Name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>设备类型</translation>
    </message>
    <message>
        <source>DeviceResolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>DeviceSN</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>SoftwareVersionInfo</source>
        <translation>软件版本</translation>
    </message>
    <message>
        <source>Temperature measurement</source>
        <translation>测温型</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>观测型</translation>
    </message>
    <message>
        <source>Failed to get device information</source>
        <translation>获取设备信息失败</translation>
    </message>
</context>
<context>
    <name>QImageCorrectModule</name>
    <message>
        <source>This module must be operated under the guidance of the manufacturer's professional personnel,otherwise, it may result in image abnormalities!</source>
        <translation>该模块需在厂商专业人员指导下进行操作，否则可能会导致图像异常！</translation>
    </message>
</context>
<context>
    <name>QLoginSetting</name>
    <message>
        <source>Connect device</source>
        <translation>连接设备</translation>
    </message>
    <message>
        <source>Connection type</source>
        <translation>连接方式</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>UVC</source>
        <translation>UVC</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Device not found.</source>
        <translation>未找到设备。</translation>
    </message>
</context>
<context>
    <name>QVideoWndWidget</name>
    <message>
        <source>AddBP</source>
        <translation>添加坏点</translation>
    </message>
    <message>
        <source>DeleteBP</source>
        <translation>删除坏点</translation>
    </message>
    <message>
        <source>DeleteAllBP</source>
        <translation>删除所有坏点</translation>
    </message>
    <message>
        <source>AddBPCol</source>
        <translation>添加坏列</translation>
    </message>
    <message>
        <source>DeleteBPCol</source>
        <translation>删除坏列</translation>
    </message>
    <message>
        <source>DeleteAllBPCol</source>
        <translation>删除所有坏列</translation>
    </message>
    <message>
        <source>ImageSize</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>The bad pixel is set</source>
        <translation>相同坏点已存在</translation>
    </message>
    <message>
        <source>The bad column is set</source>
        <translation>相同坏列已存在</translation>
    </message>
    <message>
        <source>There are adjacent bad columns</source>
        <translation>此坏列旁已有相邻坏列</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all bad point markers?</source>
        <translation>请确认是否删除所有坏点?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all bad column markers?</source>
        <translation>请确认是否删除所有坏列?</translation>
    </message>
    <message>
        <source>QVideoWndWidget</source>
        <translation>视频</translation>
    </message>
</context>
<context>
    <name>QVideoHistogram</name>
    <message>
        <source>Y-Histogram count</source>
        <translation>Y直方图统计</translation>
    </message>
</context>
<context>
    <name>QVideoPreviewModuleWidget</name>
    <message>
        <source>White Hot</source>
        <translation>白热</translation>
    </message>
    <message>
        <source>Black Hot</source>
        <translation>黑热</translation>
    </message>
    <message>
        <source>Fusion</source>
        <translation>融合</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>Golden-fall</source>
        <translation>金秋</translation>
    </message>
    <message>
        <source>Fifth-day</source>
        <translation>五彩</translation>
    </message>
    <message>
        <source>Iron Red</source>
        <translation>铁红</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>琥珀</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>玉石</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日落</translation>
    </message>
    <message>
        <source>Ice fire</source>
        <translation>冰火</translation>
    </message>
    <message>
        <source>Oil-Paint</source>
        <translation>油画</translation>
    </message>
    <message>
        <source>Pomegranate</source>
        <translation>石榴</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>翡翠</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>春</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>夏</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>秋</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬</translation>
    </message>
    <message>
        <source>Thermal Detection</source>
        <translation>热检测</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>极光</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>唤醒</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>休眠</translation>
    </message>
    <message>
        <source>Disconnect the device?</source>
        <translation>是否断开设备连接？</translation>
    </message>
    <message>
        <source>Device connect fail prompt1</source>
        <translation>设备连接失败，请检查：</translation>
    </message>
    <message>
        <source>Device connect fail prompt2</source>
        <translation>1. 设备与电脑之间的线缆是否插好</translation>
    </message>
    <message>
        <source>Device connect fail prompt3</source>
        <translation>2. 设备连接后通信准备约需7秒，请稍后重试</translation>
    </message>
    <message>
        <source>Device Thermal Fail, Please reconnect.</source>
        <translation>设备测温功能启动失败，请重新连接。</translation>
    </message>
    <message>
        <source>Device Real Play Fail, Please reconnect.</source>
        <translation>设备视频播放失败，请重新连接。</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Video is freezing.</source>
        <translation>视频已冻结</translation>
    </message>
    <message>
        <source>Device is recording.</source>
        <translation>设备录像中</translation>
    </message>
    <message>
        <source>Fail to close sleep mode.</source>
        <translation>退出休眠失败</translation>
    </message>
    <message>
        <source>Fail to start sleep mode.</source>
        <translation>进入休眠失败</translation>
    </message>
    <message>
        <source>The drawing area is too small</source>
        <translation>绘制区域太小</translation>
    </message>
    <message>
        <source>Set Temperature Param Fail</source>
        <translation>设置测温参数失败</translation>
    </message>
    <message>
        <source>Device is sleeping</source>
        <translation>设备休眠中</translation>
    </message>
    <message>
        <source>Colorization Set Fail.</source>
        <translation>伪彩设置失败</translation>
    </message>
    <message>
        <source>Get Color Fail.</source>
        <translation>获取伪彩失败</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>冻结</translation>
    </message>
    <message>
        <source>Hot spot</source>
        <translation>最高温</translation>
    </message>
    <message>
        <source>Cold spot</source>
        <translation>最低温</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录像</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Failed to FFC</source>
        <translation>FFC失败</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>错误码</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Get Temperature Param Fail</source>
        <translation>获取测温参数失败</translation>
    </message>
    <message>
        <source>Recording Start</source>
        <translation>开始录像</translation>
    </message>
    <message>
        <source>Recording Failed</source>
        <translation>录像失败</translation>
    </message>
    <message>
        <source>Record Path Not Exit</source>
        <translation>录像路径不存在</translation>
    </message>
    <message>
        <source>DiskFreeSpace Not Enough</source>
        <translation>磁盘剩余空间不足</translation>
    </message>
    <message>
        <source>Alarm has occurred, manual recording stop</source>
        <translation>发生报警，手动录像停止</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Recording Finished</source>
        <translation>录像结束</translation>
    </message>
    <message>
        <source>Snapshot Succeed</source>
        <translation>抓图成功</translation>
    </message>
    <message>
        <source>Snapshot Failed</source>
        <translation>抓图失败</translation>
    </message>
    <message>
        <source>Snapshot Path Not Exit</source>
        <translation>抓图路径不存在</translation>
    </message>
    <message>
        <source>Export heat map failed</source>
        <translation>导出热图失败</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>文件错误</translation>
    </message>
    <message>
        <source>Parameters Error</source>
        <translation>参数错误</translation>
    </message>
    <message>
        <source>Shutter is acting.</source>
        <translation>快门正在动作。</translation>
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
        <translation>测温结果</translation>
    </message>
    <message>
        <source>GainModel</source>
        <translation>增益模式</translation>
    </message>
    <message>
        <source>Rule Property</source>
        <translation>规则属性</translation>
    </message>
    <message>
        <source>GlobalThermalSet</source>
        <translation>全局测温设置</translation>
    </message>
    <message>
        <source>Second Calibration</source>
        <translation>二次标定</translation>
    </message>
    <message>
        <source>Isotherm</source>
        <translation>等温线</translation>
    </message>
</context>
<context>
    <name>QVideoTemperResult</name>
    <message>
        <source>QVideoTemperResult</source>
        <translation>测温结果</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最高温</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最低温</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>平均温</translation>
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
        <translation>温度显示</translation>
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
        <translation>规则温度</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最高</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最低</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>平均</translation>
    </message>
</context>
<context>
    <name>QVideoSceneViewCtrl</name>
    <message>
        <source>QVideoSceneViewCtrl</source>
        <translation>测温规则层</translation>
    </message>
    <message>
        <source>Delete Rule</source>
        <translation>删除规则</translation>
    </message>
    <message>
        <source>Rule Property</source>
        <translation>规则属性</translation>
    </message>
    <message>
        <source>Video is freezing.</source>
        <translation>视频已冻结</translation>
    </message>
    <message>
        <source>The maximum number of additions has been reached.</source>
        <translation>已达到最大添加数量</translation>
    </message>
    <message>
        <source>The drawing area is too small</source>
        <translation>绘制区域太小</translation>
    </message>
    <message>
        <source>Get Temperature Param Fail</source>
        <translation>获取测温参数失败</translation>
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
        <translation>基础测温参数</translation>
    </message>
    <message>
        <source>EnvironmentTemper</source>
        <translation>环境温度</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>湿度</translation>
    </message>
    <message>
        <source>Rule Property</source>
        <translation>规则属性</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Emissivity</source>
        <translation>发射率</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>ReflexTemper</source>
        <translation>反射温度</translation>
    </message>
    <message>
        <source>RestoreDefault</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>操作成功</translation>
    </message>
</context>
<context>
    <name>QGlobalThermalSetting</name>
    <message>
        <source>TemperUnit</source>
        <translation>测温单位</translation>
    </message>
    <message>
        <source>RefreshTime</source>
        <translation>测温刷新时间</translation>
    </message>
    <message>
        <source>Full Screen Thermal Show</source>
        <translation>显示全屏温度</translation>
    </message>
    <message>
        <source>SaveHeatMapRules</source>
        <translation>保存规则至热图</translation>
    </message>
    <message>
        <source>Centigrade</source>
        <translation>摄氏度</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>华氏度</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>开尔文</translation>
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
        <translation>增益模式</translation>
    </message>
    <message>
        <source>Low Temper</source>
        <translation>低温</translation>
    </message>
    <message>
        <source>High Temper</source>
        <translation>高温</translation>
    </message>
    <message>
        <source>Ultimate</source>
        <translation>极致</translation>
    </message>
    <message>
        <source>Switch Gear</source>
        <translation>切换档位</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Gears</source>
        <translation>低温档位</translation>
    </message>
    <message>
        <source>First Gear</source>
        <translation>一档</translation>
    </message>
    <message>
        <source>Second Gear</source>
        <translation>二档</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Failed to get gainmodel</source>
        <translation>获取增益模式失败</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>错误码</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作失败</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Failed to get low temp gear</source>
        <translation>获取低温档位失败</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Device is sleeping</source>
        <translation>设备休眠中</translation>
    </message>
    <message>
        <source>Save the config?</source>
        <translation>是否保存配置？</translation>
    </message>
    <message>
        <source>Save succeed</source>
        <translation>保存成功</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>保存失败</translation>
    </message>
</context>
<context>
    <name>QSecondCalibration</name>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>平衡</translation>
    </message>
    <message>
        <source>Unbalanced</source>
        <translation>不平衡</translation>
    </message>
    <message>
        <source>Qualified</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Unqualified</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>Balanced state</source>
        <translation>平衡状态</translation>
    </message>
    <message>
        <source>Get balanced state</source>
        <translation>获取平衡状态</translation>
    </message>
    <message>
        <source>Set calibration RECT</source>
        <translation>设置标定框</translation>
    </message>
    <message>
        <source>Save calibration RECT</source>
        <translation>保存标定框</translation>
    </message>
    <message>
        <source>Temperature calibration</source>
        <translation>温度标定</translation>
    </message>
    <message>
        <source>RestoreDefault</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Low Temper</source>
        <translation>低温</translation>
    </message>
    <message>
        <source>Low Temper Second</source>
        <translation>低温二档</translation>
    </message>
    <message>
        <source>High Temper</source>
        <translation>高温</translation>
    </message>
    <message>
        <source>Calibration results</source>
        <translation>标定结果</translation>
    </message>
    <message>
        <source>Calibration completion time</source>
        <translation>标定完成时间</translation>
    </message>
    <message>
        <source>Blackbody Temp</source>
        <translation>黑体温度</translation>
    </message>
    <message>
        <source>Set RECT will clear all rules, please confirm</source>
        <translation>设置标定框后将清除所有规则，规则属性页的距离将设为0米，是否继续？</translation>
    </message>
    <message>
        <source>The number of rule types is incorrect, there can only be 2</source>
        <translation>请先生成标定框</translation>
    </message>
    <message>
        <source>Wrong rule type, should be a rectangle</source>
        <translation>规则类型错误，请先设置标定框。</translation>
    </message>
    <message>
        <source>High temperature should greater than low temperature</source>
        <translation>温度标定时，高温值必须大于低温值。</translation>
    </message>
    <message>
        <source>Calibration success</source>
        <translation>标定成功。</translation>
    </message>
    <message>
        <source>Calibration failed</source>
        <translation>标定失败。</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作失败</translation>
    </message>
</context>
<context>
    <name>QSecondCalibrationProcessDlg</name>
    <message>
        <source>Please Wait</source>
        <translation>请等待</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>QSceneViewCtrl</name>
    <message>
        <source>QSceneViewCtrl</source>
        <translation>图片规则层</translation>
    </message>
    <message>
        <source>Delete Rule</source>
        <translation>删除规则</translation>
    </message>
    <message>
        <source>Set the positioning point as a point rule</source>
        <translation>将定位点设为点规则</translation>
    </message>
    <message>
        <source>Lock grid</source>
        <translation>锁定网格</translation>
    </message>
    <message>
        <source>Unlock grid</source>
        <translation>解锁网格</translation>
    </message>
    <message>
        <source>Quit grid</source>
        <translation>退出网格</translation>
    </message>
    <message>
        <source>Can not add more rules</source>
        <translation>无法添加更多规则</translation>
    </message>
</context>
<context>
    <name>QTemperResult</name>
    <message>
        <source>QTemperResult</source>
        <translation>测温结果</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最高</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最低</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>平均</translation>
    </message>
</context>
<context>
    <name>QHotImageParamSet</name>
    <message>
        <source>BasicTemperParam</source>
        <translation>基础测温参数</translation>
    </message>
    <message>
        <source>EnvironmentTemper</source>
        <translation>环境温度</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>湿度</translation>
    </message>
    <message>
        <source>Rule Property</source>
        <translation>规则属性</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Emissivity</source>
        <translation>发射率</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>ReflexTemper</source>
        <translation>反射温度</translation>
    </message>
    <message>
        <source>RestoreDefault</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>QTemperRangeAdjust</name>
    <message>
        <source>TemperRangeAdjust</source>
        <translation>温度范围调节</translation>
    </message>
</context>
<context>
    <name>QHotImageCtrl</name>
    <message>
        <source>QHotImageCtrl</source>
        <translation>热图分析</translation>
    </message>
    <message>
        <source>MapImport</source>
        <translation>导入热图</translation>
    </message>
    <message>
        <source>MapExport</source>
        <translation>导出热图</translation>
    </message>
    <message>
        <source>NotShow</source>
        <translation>不显示</translation>
    </message>
    <message>
        <source>LeftTop</source>
        <translation>左上角</translation>
    </message>
    <message>
        <source>Max Temp</source>
        <translation>最高温</translation>
    </message>
    <message>
        <source>Min Temp</source>
        <translation>最低温</translation>
    </message>
    <message>
        <source>AVG Temp</source>
        <translation>平均温</translation>
    </message>
    <message>
        <source>TemperShow</source>
        <translation>温度显示</translation>
    </message>
    <message>
        <source>White Hot</source>
        <translation>白热</translation>
    </message>
    <message>
        <source>Black Hot</source>
        <translation>黑热</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>Golden-fall</source>
        <translation>金秋</translation>
    </message>
    <message>
        <source>Iron Red</source>
        <translation>铁红</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>琥珀</translation>
    </message>
    <message>
        <source>Ice fire</source>
        <translation>冰火</translation>
    </message>
    <message>
        <source>Oil-Paint</source>
        <translation>油画</translation>
    </message>
    <message>
        <source>Thermal Detection</source>
        <translation>热检测</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>极光</translation>
    </message>
    <message>
        <source>ThermalImage</source>
        <translation>热成像</translation>
    </message>
    <message>
        <source>ExportReport</source>
        <translation>导出报告</translation>
    </message>
    <message>
        <source>Grid thermal info</source>
        <translation>网格测温信息</translation>
    </message>
    <message>
        <source>X position</source>
        <translation>X坐标</translation>
    </message>
    <message>
        <source>Y position</source>
        <translation>Y坐标</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Set the positioning point as a point rule</source>
        <translation>将定位点设为点规则</translation>
    </message>
    <message>
        <source>Centigrade</source>
        <translation>摄氏度</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>华氏度</translation>
    </message>
    <message>
        <source>Can not add more rules</source>
        <translation>无法添加更多规则</translation>
    </message>
    <message>
        <source>The drawing area is too small</source>
        <translation>绘制区域太小</translation>
    </message>
    <message>
        <source>Please open grid first</source>
        <translation>请先打开网格</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <source>Save succeed</source>
        <translation>保存成功</translation>
    </message>
    <message>
        <source>Import heat map failed</source>
        <translation>导入热图失败</translation>
    </message>
    <message>
        <source>Export heat map success</source>
        <translation>导出热图成功</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Shutter is acting.</source>
        <translation>快门正在动作。</translation>
    </message>
    <message>
        <source>File(*.jpg *.png *.bmp)</source>
        <translation>文件(*.jpg *.png *.bmp)</translation>
    </message>
</context>
<context>
    <name>QReportExportDlg</name>
    <message>
        <source>ExportReport</source>
        <translation>导出报告</translation>
    </message>
    <message>
        <source>ParamSettings</source>
        <translation>参数设置</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>BasicInfo</source>
        <translation>基本信息</translation>
    </message>
    <message>
        <source>FileName</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>SavePath</source>
        <translation>保存路径</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>CoverPage</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>ReportTitle</source>
        <translation>报告标题</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>DisplayData</source>
        <translation>显示数据</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>湿度</translation>
    </message>
    <message>
        <source>EnvironmentTemper</source>
        <translation>环境温度</translation>
    </message>
    <message>
        <source>ReflexTemper</source>
        <translation>反射温度</translation>
    </message>
    <message>
        <source>TextNote</source>
        <translation>文本注释</translation>
    </message>
    <message>
        <source>PrevStep</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>NextStep</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cannot be empty</source>
        <translation>不能为空</translation>
    </message>
    <message>
        <source>The file already exist,Replace it</source>
        <translation>文件已存在，是否替换？</translation>
    </message>
    <message>
        <source>Export successful</source>
        <translation>导出成功</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>导出失败</translation>
    </message>
    <message>
        <source>The file path is too long</source>
        <translation>文件路径过长</translation>
    </message>
</context>
<context>
    <name>QReportExport</name>
    <message>
        <source>ReportTime</source>
        <translation>报告时间</translation>
    </message>
    <message>
        <source>TestReport</source>
        <translation>检测报告</translation>
    </message>
    <message>
        <source>TemperInfo</source>
        <translation>温度信息</translation>
    </message>
    <message>
        <source>TemperRule</source>
        <translation>测温规则</translation>
    </message>
    <message>
        <source>Max Temp</source>
        <translation>最高温度</translation>
    </message>
    <message>
        <source>AVG Temp</source>
        <translation>平均温度</translation>
    </message>
    <message>
        <source>Min Temp</source>
        <translation>最低温度</translation>
    </message>
    <message>
        <source>Grid thermal info</source>
        <translation>网格测温信息</translation>
    </message>
    <message>
        <source>X position</source>
        <translation>X坐标</translation>
    </message>
    <message>
        <source>Y position</source>
        <translation>Y坐标</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Global Param</source>
        <translation>全局参数</translation>
    </message>
    <message>
        <source>Emissivity</source>
        <translation>发射率</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>湿度</translation>
    </message>
    <message>
        <source>EnvironmentTemper</source>
        <translation>环境温度</translation>
    </message>
    <message>
        <source>ReflexTemper</source>
        <translation>反射温度</translation>
    </message>
    <message>
        <source>Rule Param</source>
        <translation>规则参数</translation>
    </message>
    <message>
        <source>Rule Enable</source>
        <translation>规则启用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>禁用</translation>
    </message>
</context>
<context>
    <name>QBasicSetting</name>
    <message>
        <source>Airspace Denoising</source>
        <translation>空域降噪</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>琥珀</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>极光</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>秋</translation>
    </message>
    <message>
        <source>Black Hot</source>
        <translation>黑热</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>ContrastRatio</source>
        <translation>对比度</translation>
    </message>
    <message>
        <source>Detail Enhancement</source>
        <translation>细节增强</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>翡翠</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>错误码</translation>
    </message>
    <message>
        <source>Failed to get Isp Mode</source>
        <translation>获取图像风格失败</translation>
    </message>
    <message>
        <source>Failed to get LCE</source>
        <translation>获取细节增强失败</translation>
    </message>
    <message>
        <source>Failed to get Noise2D</source>
        <translation>获取空域降噪失败</translation>
    </message>
    <message>
        <source>Failed to get Noise3D</source>
        <translation>获取时域降噪失败</translation>
    </message>
    <message>
        <source>Failed to get brightness</source>
        <translation>获取亮度失败</translation>
    </message>
    <message>
        <source>Failed to get contrast</source>
        <translation>获取对比度失败</translation>
    </message>
    <message>
        <source>Failed to get sharpness</source>
        <translation>获取锐度失败</translation>
    </message>
    <message>
        <source>Failed to set Isp Mode</source>
        <translation>设置图像风格失败</translation>
    </message>
    <message>
        <source>Fifth-day</source>
        <translation>五彩</translation>
    </message>
    <message>
        <source>Fusion</source>
        <translation>融合</translation>
    </message>
    <message>
        <source>General Mode</source>
        <translation>通用模式</translation>
    </message>
    <message>
        <source>Golden-fall</source>
        <translation>金秋</translation>
    </message>
    <message>
        <source>Graphic style</source>
        <translation>图像风格</translation>
    </message>
    <message>
        <source>Ice fire</source>
        <translation>冰火</translation>
    </message>
    <message>
        <source>Iron Red</source>
        <translation>铁红</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>玉石</translation>
    </message>
    <message>
        <source>Oil-Paint</source>
        <translation>油画</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Original Mode</source>
        <translation>原始模式</translation>
    </message>
    <message>
        <source>Pomegranate</source>
        <translation>石榴</translation>
    </message>
    <message>
        <source>PseudoColor</source>
        <translation>伪彩</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>锐度</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>春</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>夏</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日落</translation>
    </message>
    <message>
        <source>Thermal Detection</source>
        <translation>热检测</translation>
    </message>
    <message>
        <source>Time Domain Noise Reduction</source>
        <translation>时域降噪</translation>
    </message>
    <message>
        <source>White Hot</source>
        <translation>白热</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬</translation>
    </message>
</context>
<context>
    <name>QFFCSetting</name>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Background Correction</source>
        <translation>背景校正</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>错误码</translation>
    </message>
    <message>
        <source>FFC SwitchPeriod</source>
        <translation>FFC切换周期</translation>
    </message>
    <message>
        <source>FFCModel</source>
        <translation>FFC模式</translation>
    </message>
    <message>
        <source>Failed to Background FFC</source>
        <translation>背景校正失败</translation>
    </message>
    <message>
        <source>Failed to FFC</source>
        <translation>FFC失败</translation>
    </message>
    <message>
        <source>Failed to get FFC period</source>
        <translation>获取FFC周期失败</translation>
    </message>
    <message>
        <source>Failed to get FFCModel</source>
        <translation>获取FFC模式失败</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Shut</source>
        <translation>快门</translation>
    </message>
    <message>
        <source>Shutter Correction</source>
        <translation>快门校正</translation>
    </message>
</context>
<context>
    <name>QGainSetting</name>
    <message>
        <source>Auto Gain</source>
        <translation>自动增益</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>错误码</translation>
    </message>
    <message>
        <source>Failed to get autogain</source>
        <translation>获取自动增益失败</translation>
    </message>
    <message>
        <source>Failed to get gainmodel</source>
        <translation>获取增益模式失败</translation>
    </message>
    <message>
        <source>GainModel</source>
        <translation>增益模式</translation>
    </message>
    <message>
        <source>High Temper</source>
        <translation>高温</translation>
    </message>
    <message>
        <source>Low Temper</source>
        <translation>低温</translation>
    </message>
</context>
<context>
    <name>QWideDynamicWidget</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Error Code</source>
        <translation>错误码</translation>
    </message>
    <message>
        <source>Failed to get global contrast</source>
        <translation>获取全局对比度失败</translation>
    </message>
    <message>
        <source>Failed to get local contrast</source>
        <translation>获取局部对比度失败</translation>
    </message>
    <message>
        <source>Failed to get wide-dynamic</source>
        <translation>获取宽动态失败</translation>
    </message>
    <message>
        <source>Global Contrast</source>
        <translation>全局对比度</translation>
    </message>
    <message>
        <source>Local Contrast</source>
        <translation>局部对比度</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>开关</translation>
    </message>
</context>
<context>
    <name>QImageModeWidget</name>
    <message>
        <source>Device is not connect.</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Device is sleeping</source>
        <translation>设备休眠中</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Max limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Min limit</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作失败</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Pseudo isotherm</source>
        <translation>伪等温</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>The upper limit should be greater than lower limit</source>
        <translation>上限应大于下限</translation>
    </message>
</context>
<context>
    <name>QImageInfo</name>
    <message>
        <source>BasicSetting</source>
        <translation>基本设置</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Device is sleeping</source>
        <translation>设备休眠中</translation>
    </message>
    <message>
        <source>FFC time should be greater than 10.</source>
        <translation>FFC时间应大于10。</translation>
    </message>
    <message>
        <source>FFC time should be greater than 10min.</source>
        <translation>FFC时间应大于10分钟。</translation>
    </message>
    <message>
        <source>FFCSetting</source>
        <translation>FFC设置</translation>
    </message>
    <message>
        <source>GainSetting</source>
        <translation>增益设置</translation>
    </message>
    <message>
        <source>Image mode</source>
        <translation>图像模式</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作失败</translation>
    </message>
    <message>
        <source>Operate succeed</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>QImageInfo</source>
        <translation>图像参数</translation>
    </message>
    <message>
        <source>RestoreDefault</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <source>Save succeed</source>
        <translation>保存成功</translation>
    </message>
    <message>
        <source>Save the config?</source>
        <translation>是否保存配置？</translation>
    </message>
    <message>
        <source>Wide dynamic</source>
        <translation>宽动态</translation>
    </message>
</context>
<context>
    <name>QUpdate</name>
    <message>
        <source>MainProgramUpdate</source>
        <translation>主程序升级</translation>
    </message>
    <message>
        <source>USBUpdate</source>
        <translation>USB升级</translation>
    </message>
    <message>
        <source>CombinedUpdate</source>
        <translation>组合升级</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>UpdateFile</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Please select a .bin file to upgrade.</source>
        <translation>请选择要升级的.bin文件</translation>
    </message>
    <message>
        <source>Please select a .img file to upgrade.</source>
        <translation>请选择要升级的.img文件</translation>
    </message>
    <message>
        <source>Bin File(*.bin)</source>
        <translation>Bin文件(*.bin)</translation>
    </message>
    <message>
        <source>File(*.img *.bin)</source>
        <translation>文件(*.img *.bin)</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Upgrade success!</source>
        <translation>升级成功！</translation>
    </message>
    <message>
        <source>Upgrade Fail.</source>
        <translation>升级失败</translation>
    </message>
    <message>
        <source>File verification error.</source>
        <translation>文件校验错误</translation>
    </message>
</context>
<context>
    <name>QSettingsDlg</name>
    <message>
        <source>Save Path</source>
        <translation>保存路径</translation>
    </message>
    <message>
        <source>CrossCursor</source>
        <translation>十字光标</translation>
    </message>
    <message>
        <source>ImageFlip</source>
        <translation>图像翻转</translation>
    </message>
    <message>
        <source>Super Resolution</source>
        <translation>超分辨率</translation>
    </message>
    <message>
        <source>Restart Device</source>
        <translation>重启设备</translation>
    </message>
    <message>
        <source>Restore Factory Set</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Temperature Matrix</source>
        <translation>温度矩阵</translation>
    </message>
    <message>
        <source>Output mode switch</source>
        <translation>输出模式切换</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直翻转</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>水平翻转</translation>
    </message>
    <message>
        <source>AllFlip</source>
        <translation>全翻转</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重启</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Gray Scale</source>
        <translation>灰度</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Snapshot Path Too Long</source>
        <translation>抓图路径过长</translation>
    </message>
    <message>
        <source>Save succeed</source>
        <translation>保存成功</translation>
    </message>
    <message>
        <source>Path open failed</source>
        <translation>路径打开失败</translation>
    </message>
    <message>
        <source>Device is sleeping</source>
        <translation>设备休眠中</translation>
    </message>
    <message>
        <source>Video is freezing.</source>
        <translation>视频已冻结</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Repower the device?</source>
        <translation>是否重启设备？</translation>
    </message>
    <message>
        <source>Failed to reboot device</source>
        <translation>设备重启失败</translation>
    </message>
    <message>
        <source>Restore factory set?</source>
        <translation>是否恢复出厂设置？</translation>
    </message>
    <message>
        <source>Failed to restore device</source>
        <translation>恢复出厂设置失败</translation>
    </message>
    <message>
        <source>Output Mode Switch Failed</source>
        <translation>输出模式切换失败</translation>
    </message>
    <message>
        <source>Switching successful, device will automatically reboot soon</source>
        <translation>切换成功，设备即将自动重启</translation>
    </message>
    <message>
        <source>Failed to get Output Mode</source>
        <translation>获取输出模式失败</translation>
    </message>
    <message>
        <source>Please confirm whether to switch the output mode</source>
        <translation>请确认是否切换输出模式</translation>
    </message>
    <message>
        <source>Switch super resolution mode?</source>
        <translation>是否切换超分辨率模式？</translation>
    </message>
    <message>
        <source>Device will automatically reboot</source>
        <translation>设备将自动重启</translation>
    </message>
    <message>
        <source>Failed to switch super resolution mode.</source>
        <translation>超分辨率模式切换失败。</translation>
    </message>
    <message>
        <source>Failed to get Super Resolution Mode</source>
        <translation>获取超分辨率模式失败</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作失败</translation>
    </message>
    <message>
        <source>Failed to get Thermal Raw Type</source>
        <translation>获取温度数据类型失败</translation>
    </message>
</context>
<context>
    <name>QFocusWidget</name>
    <message>
        <source>Focus Mode</source>
        <translation>聚焦模式</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Auto Focus</source>
        <translation>自动聚焦</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>变倍</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>聚焦</translation>
    </message>
    <message>
        <source>Device is not connect.</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Failed to get focus mode.</source>
        <translation>获取聚焦模式失败</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作失败</translation>
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
        <translation>设置</translation>
    </message>
    <message>
        <source>VersionUpdate</source>
        <translation>版本升级</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>调焦</translation>
    </message>
</context>
</TS>
