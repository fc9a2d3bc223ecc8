<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DlgAbout</name>
    <message>
        <source>About ...</source>
        <translation>关于 ...</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>作者：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The Kestrel team, Norvane</source>
        <translation>Norvane Kestrel 团队</translation>
    </message>
    <message>
        <source> Version Description</source>
        <translation> 版本说明</translation>
    </message>
    <message>
        <source> &gt; Element table views: IED, Communication, SubNetwork and History.</source>
        <translation> &gt; 元素表格视图：IED、Communication、SubNetwork 和 History。</translation>
    </message>
    <message>
        <source> &gt; Import ICD file.</source>
        <translation> &gt; 导入ICD文件。</translation>
    </message>
    <message>
        <source> &gt; Feedback mail and updater launch.</source>
        <translation> &gt; 反馈邮件和启动更新程序。</translation>
    </message>
    <message>
        <source> History Version 1.0.1</source>
        <translation> 历史版本 1.0.1</translation>
    </message>
    <message>
        <source> &gt; Added: File drag and drop function.</source>
        <translation> &gt; 新增：文件拖放功能。</translation>
    </message>
    <message>
        <source> &gt; Semantic check and DataTypeTemplates check.</source>
        <translation> &gt; 语义校验和 DataTypeTemplates 校验。</translation>
    </message>
    <message>
        <source> &gt; Chinese and English switch.</source>
        <translation> &gt; 中英文切换。</translation>
    </message>
    <message>
        <source> History Version 1.0.0</source>
        <translation> 历史版本 1.0.0</translation>
    </message>
    <message>
        <source> &gt; SCL file open, edit and save.</source>
        <translation> &gt; SCL文件的打开、编辑和保存。</translation>
    </message>
    <message>
        <source> &gt; Attribute editing from the SCL schema.</source>
        <translation> &gt; 按SCL Schema编辑属性。</translation>
    </message>
</context>
<context>
    <name>DlgCompareXml</name>
    <message>
        <source>Xml Compare</source>
        <translation>XML对比</translation>
    </message>
    <message>
        <source>ICD -</source>
        <translation>ICD -</translation>
    </message>
    <message>
        <source>icdObject</source>
        <translation>icdObject</translation>
    </message>
    <message>
        <source>SCD -</source>
        <translation>SCD -</translation>
    </message>
    <message>
        <source>scdObject</source>
        <translation>scdObject</translation>
    </message>
</context>
<context>
    <name>DlgEmail</name>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Questions or Suggestions</source>
        <translation>问题或建议</translation>
    </message>
    <message>
        <source>Please input your name</source>
        <translation>请输入您的姓名</translation>
    </message>
    <message>
        <source>Please input your email address</source>
        <translation>请输入您的邮箱地址</translation>
    </message>
    <message>
        <source>If you want to reply, please fill in</source>
        <translation>如需回复，请填写</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>发送(&amp;S)</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Please enter questions or suggestions the content.</source>
        <translation>请输入问题或建议的内容。</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>请输入您的姓名。</translation>
    </message>
    <message>
        <source>No feedback mailbox is set up on this computer: the settings group &quot;feedback&quot; needs host and account (and port, connection, user, password as the server wants them).</source>
        <translation>本机未设置反馈邮箱：设置组 &quot;feedback&quot; 需要 host 和 account（以及服务器要求的 port、connection、user、password）。</translation>
    </message>
    <message>
        <source>SMTP connect failed.</source>
        <translation>SMTP连接失败。</translation>
    </message>
    <message>
        <source>Login failed.</source>
        <translation>登录失败。</translation>
    </message>
    <message>
        <source>Send email failed, Please check the network is normal.</source>
        <translation>发送邮件失败，请检查网络是否正常。</translation>
    </message>
    <message>
        <source>Send email succeed, Thank you for your support.</source>
        <translation>发送邮件成功，感谢您的支持。</translation>
    </message>
    <message>
        <source>Sending the mail ...</source>
        <translation>正在发送邮件 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DlgPrefixName</name>
    <message>
        <source>DlgPrefixName</source>
        <translation>前缀名称</translation>
    </message>
    <message>
        <source>Prefix Name:</source>
        <translation>前缀名称：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Please enter the content.</source>
        <translation>请输入内容。</translation>
    </message>
</context>
<context>
    <name>DlgProperty</name>
    <message>
        <source>Property Editor</source>
        <translation>属性编辑器</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source> Yellow is required </source>
        <translation> 黄色为必填项 </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>New Item %1</source>
        <translation>新建项 %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>[%1] is required key, Value can&apos;t be empty.</source>
        <translation>[%1]为必填项，值不能为空。</translation>
    </message>
    <message>
        <source>[%1] is not a valid attribute name. A name starts with a letter or an underscore and holds only letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;.&apos;, without blanks.</source>
        <translation>[%1]不是有效的属性名称。名称必须以字母或下划线开头，只能包含字母、数字、&apos;_&apos;、&apos;-&apos;和&apos;.&apos;，且不能含有空格。</translation>
    </message>
    <message>
        <source>The item should be unique. The key fields: %1.</source>
        <translation>该项必须唯一。关键字段：%1。</translation>
    </message>
</context>
<context>
    <name>DlgSetting</name>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>English American</source>
        <translation>英语(美国)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DlgXmlView</name>
    <message>
        <source>Xml View</source>
        <translation>XML查看</translation>
    </message>
</context>
<context>
    <name>EditCommand</name>
    <message>
        <source>insert %1</source>
        <translation>插入 %1</translation>
    </message>
    <message>
        <source>edit %1 of %2</source>
        <translation>编辑 %2 的 %1</translation>
    </message>
</context>
<context>
    <name>Kestrel</name>
    <message>
        <source>Filter ied name or description</source>
        <translation>按IED名称或描述过滤</translation>
    </message>
    <message>
        <source>Filter types id</source>
        <translation>按类型ID过滤</translation>
    </message>
    <message>
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message>
        <source>File %1 no exist.</source>
        <translation>文件 %1 不存在。</translation>
    </message>
    <message>
        <source>Open file %1 succeed.</source>
        <translation>打开文件 %1 成功。</translation>
    </message>
    <message>
        <source>Please wait, SCL file parsing ......</source>
        <translation>请稍候，正在解析SCL文件......</translation>
    </message>
    <message>
        <source>Open file %1 failed.</source>
        <translation>打开文件 %1 失败。</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>新建文件</translation>
    </message>
    <message>
        <source>SCD files(*.scd);;CID files(*.cid);;ICD files(*.icd);;XML files(*.xml);;All files(*.*)</source>
        <translation>SCD文件(*.scd);;CID文件(*.cid);;ICD文件(*.icd);;XML文件(*.xml);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>New file %1 failed.</source>
        <translation>新建文件 %1 失败。</translation>
    </message>
    <message>
        <source>New file %1 succeed.</source>
        <translation>新建文件 %1 成功。</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>SCL files(*.scd *.cid *.icd);;SCD files(*.scd);;CID files(*.cid);;ICD files(*.icd);;XML files(*.xml);;All files(*.*)</source>
        <translation>SCL文件(*.scd *.cid *.icd);;SCD文件(*.scd);;CID文件(*.cid);;ICD文件(*.icd);;XML文件(*.xml);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>Please wait, SCL file saving ......</source>
        <translation>请稍候，正在保存SCL文件......</translation>
    </message>
    <message>
        <source>Save file %1 succeed.</source>
        <translation>保存文件 %1 成功。</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>Content has changed, whether to need to save ?</source>
        <translation>内容已修改，是否保存？</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Save file %1 failed. The file stays open with its changes.</source>
        <translation>保存文件 %1 失败。文件保持打开，所做修改仍然保留。</translation>
    </message>
    <message>
        <source>Close file %1 succeed.</source>
        <translation>关闭文件 %1 成功。</translation>
    </message>
    <message>
        <source>[Semantic check]================= SCL Semantic check start =================</source>
        <translation>[Semantic check]================= SCL语义校验开始 =================</translation>
    </message>
    <message>
        <source>[Semantic check]================= SCL Semantic check end ===================</source>
        <translation>[Semantic check]================= SCL语义校验结束 ===================</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]================= SCL DataTypeTemplates check start =================</source>
        <translation>[DataTypeTemplates check]================= SCL DataTypeTemplates校验开始 =================</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]================= SCL DataTypeTemplates check end ===================</source>
        <translation>[DataTypeTemplates check]================= SCL DataTypeTemplates校验结束 ===================</translation>
    </message>
    <message>
        <source>Log Browser</source>
        <translation>日志浏览</translation>
    </message>
    <message>
        <source>Check Browser</source>
        <translation>校验浏览</translation>
    </message>
    <message>
        <source>recent file action get failed.</source>
        <translation>获取最近打开文件菜单项失败。</translation>
    </message>
    <message>
        <source>Do you want to quit the application ?</source>
        <translation>确定要退出程序吗？</translation>
    </message>
    <message>
        <source>Not found drag and drop file.</source>
        <translation>未找到拖放的文件。</translation>
    </message>
    <message>
        <source>Drag and drop file number can not be more than 1.</source>
        <translation>拖放的文件不能超过1个。</translation>
    </message>
    <message>
        <source>Please drag and drop the SCL file.</source>
        <translation>请拖放SCL文件。</translation>
    </message>
    <message>
        <source>Please wait, Semantic checking ......</source>
        <translation>请稍候，正在进行语义校验......</translation>
    </message>
    <message>
        <source>SCL Semantic check successfully!</source>
        <translation>SCL语义校验通过！</translation>
    </message>
    <message>
        <source>SCL Semantic check failed!</source>
        <translation>SCL语义校验未通过！</translation>
    </message>
    <message>
        <source>SCL DataTypeTemplates check successfully!</source>
        <translation>SCL DataTypeTemplates校验通过！</translation>
    </message>
    <message>
        <source>SCL DataTypeTemplates check failed!</source>
        <translation>SCL DataTypeTemplates校验未通过！</translation>
    </message>
    <message>
        <source>Please wait, DataTypeTemplates checking ......</source>
        <translation>请稍候，正在检查DataTypeTemplates ......</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>&lt;opened file&gt;</source>
        <translation>&lt;打开的文件&gt;</translation>
    </message>
    <message>
        <source>Renaming %1 to %2 changes the %3 references to it as well. Continue?</source>
        <translation>将 %1 重命名为 %2 会同时修改引用它的 %3 处。是否继续？</translation>
    </message>
    <message>
        <source>Modify record: rename %1 to %2, %3 references follow.</source>
        <translation>Modify record: 将 %1 重命名为 %2，%3 处引用随之修改。</translation>
    </message>
    <message>
        <source>[Where used]%1 is named in %2 places:</source>
        <translation>[Where used]%1 在 %2 处被引用：</translation>
    </message>
    <message>
        <source>[Where used]    %1: %2 = %3</source>
        <translation>[Where used]    %1: %2 = %3</translation>
    </message>
    <message>
        <source>[Schema check]================= SCL Schema check start =================</source>
        <translation>[Schema check]================= SCL Schema 校验开始 =================</translation>
    </message>
    <message>
        <source>Please wait, Schema checking ......</source>
        <translation>请稍候，正在进行 Schema 校验 ......</translation>
    </message>
    <message>
        <source>SCL Schema check successfully!</source>
        <translation>SCL Schema 校验成功！</translation>
    </message>
    <message>
        <source>SCL Schema check failed!</source>
        <translation>SCL Schema 校验失败！</translation>
    </message>
    <message>
        <source>[Schema check]================= SCL Schema check end ===================</source>
        <translation>[Schema check]================= SCL Schema 校验结束 ===================</translation>
    </message>
</context>
<context>
    <name>KestrelClass</name>
    <message>
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Tool(&amp;T)</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>Options(&amp;O)</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>mainToolBar</source>
        <translation>主工具栏</translation>
    </message>
    <message>
        <source>SCL Browser</source>
        <translation>SCL浏览</translation>
    </message>
    <message>
        <source>DataTypeTemplates Browser</source>
        <translation>DataTypeTemplates浏览</translation>
    </message>
    <message>
        <source>Log Browser</source>
        <translation>日志浏览</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>Attribute ( yellow is required )</source>
        <translation>属性（黄色为必填项）</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Instance</source>
        <translation>实例</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>new file</source>
        <translation>新建文件</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>open file</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>save file</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save as(&amp;A)</source>
        <translation>另存为(&amp;A)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Close(&amp;C)</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>close file</source>
        <translation>关闭文件</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Import ICD(&amp;I)</source>
        <translation>导入ICD(&amp;I)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Import ICD file</source>
        <translation>导入ICD文件</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>CheckSchema</source>
        <translation>Schema校验</translation>
    </message>
    <message>
        <source>Schema</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>schema check</source>
        <translation>Schema校验</translation>
    </message>
    <message>
        <source>CheckSemantic</source>
        <translation>语义校验</translation>
    </message>
    <message>
        <source>Semantic</source>
        <translation>语义</translation>
    </message>
    <message>
        <source>semantic check</source>
        <translation>语义校验</translation>
    </message>
    <message>
        <source>CheckTemplate</source>
        <translation>模板校验</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>template check</source>
        <translation>数据类型模板校验</translation>
    </message>
    <message>
        <source>Setting(&amp;S)...</source>
        <translation>设置(&amp;S)...</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Feedback(&amp;E)</source>
        <translation>反馈(&amp;E)</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Update(&amp;U)</source>
        <translation>更新(&amp;U)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>about</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>SCL Browse(&amp;S)</source>
        <translation>SCL浏览(&amp;S)</translation>
    </message>
    <message>
        <source>SCL</source>
        <translation>SCL</translation>
    </message>
    <message>
        <source>SCL Browse</source>
        <translation>SCL浏览</translation>
    </message>
    <message>
        <source>DataTypeTemplates Browse(&amp;D)</source>
        <translation>DataTypeTemplates浏览(&amp;D)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>DataTypeTemplates Browse</source>
        <translation>DataTypeTemplates浏览</translation>
    </message>
    <message>
        <source>Log Browse(&amp;L)</source>
        <translation>日志浏览(&amp;L)</translation>
    </message>
    <message>
        <source>Log Browse</source>
        <translation>日志浏览</translation>
    </message>
    <message>
        <source>Attribute Browse(&amp;A)</source>
        <translation>属性浏览(&amp;A)</translation>
    </message>
    <message>
        <source>Attr</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>attribute</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Instance Browse(&amp;I)</source>
        <translation>实例浏览(&amp;I)</translation>
    </message>
    <message>
        <source>instance</source>
        <translation>实例</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史</translation>
    </message>
</context>
<context>
    <name>MenuLoader</name>
    <message>
        <source>Import ICD file</source>
        <translation>导入ICD文件</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Copy %1 successfully.</source>
        <translation>复制%1成功。</translation>
    </message>
    <message>
        <source>Modify record: Cut %1 successfully.</source>
        <translation>Modify record: 剪切%1成功。</translation>
    </message>
    <message>
        <source>Modify record: Paste %1 successfully.</source>
        <translation>Modify record: 粘贴%1成功。</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Can&apos;t copy [%1] under [%2].</source>
        <translation>不能将[%1]复制到[%2]下。</translation>
    </message>
    <message>
        <source>Do you really want to delete [%1] ?</source>
        <translation>确定要删除[%1]吗？</translation>
    </message>
    <message>
        <source>Modify record: Delete %1 successfully.</source>
        <translation>Modify record: 删除%1成功。</translation>
    </message>
    <message>
        <source>Modify record: %1 move up.</source>
        <translation>Modify record: %1上移。</translation>
    </message>
    <message>
        <source>Modify record: %1 move down.</source>
        <translation>Modify record: %1下移。</translation>
    </message>
    <message>
        <source>Modify record: Insert %1 successfully.</source>
        <translation>Modify record: 插入%1成功。</translation>
    </message>
    <message>
        <source>cut %1</source>
        <translation>剪切 %1</translation>
    </message>
    <message>
        <source>delete %1</source>
        <translation>删除 %1</translation>
    </message>
    <message>
        <source>move up %1</source>
        <translation>上移 %1</translation>
    </message>
    <message>
        <source>move down %1</source>
        <translation>下移 %1</translation>
    </message>
    <message>
        <source>Where used</source>
        <translation>引用位置</translation>
    </message>
    <message>
        <source>%1 references in the file name it: they will name nothing.</source>
        <translation>文件中有 %1 处引用它：删除后这些引用将失效。</translation>
    </message>
    <message>
        <source>Modify record: Paste %1 as %2 = %3: %4 is taken.</source>
        <translation>Modify record: 粘贴%1，%2 = %4 已被占用，改为 %3。</translation>
    </message>
</context>
<context>
    <name>QIpAddressEditItem</name>
    <message>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>%1 is not acceptable value.
Please input the value bewteen 0 with 255.</source>
        <translation>%1 不是有效的数值。
请输入0到255之间的数值。</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>RenameEngine</name>
    <message>
        <source>rename %1 to %2</source>
        <translation>将 %1 重命名为 %2</translation>
    </message>
</context>
<context>
    <name>SchemaValidator</name>
    <message>
        <source>The embedded schema file %1 cannot be read.</source>
        <translation>无法读取内置的 schema 文件 %1。</translation>
    </message>
    <message>
        <source>The embedded schema cannot be read.</source>
        <translation>无法读取内置的 schema。</translation>
    </message>
    <message>
        <source>The embedded schema cannot be read: %1</source>
        <translation>无法读取内置的 schema：%1</translation>
    </message>
    <message>
        <source>[Schema check]|--Error: %1</source>
        <translation>[Schema check]|--Error: %1</translation>
    </message>
    <message>
        <source>[Schema check]|--Error: %1 (line %2): %3</source>
        <translation>[Schema check]|--Error: %1 (第 %2 行): %3</translation>
    </message>
    <message>
        <source>[Schema check]|--Error: %1: %2</source>
        <translation>[Schema check]|--Error: %1: %2</translation>
    </message>
</context>
<context>
    <name>SmtpClient</name>
    <message>
        <source>Mail to SMTP server %1 cancelled.</source>
        <translation>发往SMTP服务器 %1 的邮件已取消。</translation>
    </message>
    <message>
        <source>Connection to SMTP server %1:%2 failed: %3</source>
        <translation>连接SMTP服务器 %1:%2 失败：%3</translation>
    </message>
    <message>
        <source>Connection to SMTP server %1:%2 not established within %3 ms.</source>
        <translation>未能在 %3 毫秒内连接SMTP服务器 %1:%2。</translation>
    </message>
    <message>
        <source>SMTP server %1 sent a reply line longer than %2 octets.</source>
        <translation>SMTP服务器 %1 发送的应答行超过 %2 个字节。</translation>
    </message>
    <message>
        <source>SMTP server %1 sent a reply of more than %2 lines.</source>
        <translation>SMTP服务器 %1 发送的应答超过 %2 行。</translation>
    </message>
    <message>
        <source>SMTP server %1 closed the connection.</source>
        <translation>SMTP服务器 %1 关闭了连接。</translation>
    </message>
    <message>
        <source>SMTP server %1 sent no whole reply within %2 ms.</source>
        <translation>SMTP服务器 %1 未能在 %2 毫秒内发送完整应答。</translation>
    </message>
    <message>
        <source>SMTP server %1 answered &quot;%2&quot; where %3 was expected.</source>
        <translation>SMTP服务器 %1 应答“%2”，而预期为 %3。</translation>
    </message>
</context>
<context>
    <name>UndoCommand</name>
    <message>
        <source>Undo %1 successfully.</source>
        <translation>撤销 %1 成功。</translation>
    </message>
    <message>
        <source>Redo %1 successfully.</source>
        <translation>重做 %1 成功。</translation>
    </message>
</context>
<context>
    <name>XmlCheck</name>
    <message>
        <source>[Semantic check]Check SubNetwork name = %1 type = %2 ......</source>
        <translation>[Semantic check]Check SubNetwork name = %1 type = %2 ......（正在校验SubNetwork）</translation>
    </message>
    <message>
        <source>[Semantic check]Check IED name = %1 desc = %2 ......</source>
        <translation>[Semantic check]Check IED name = %1 desc = %2 ......（正在校验IED）</translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1.</source>
        <translation>[Semantic check]|--Error: %1。</translation>
    </message>
    <message>
        <source>ConnectedAP iedName = %1 is an invalid IED for reference!</source>
        <translation>ConnectedAP iedName = %1 引用的IED无效</translation>
    </message>
    <message>
        <source>ConnectedAP apName = %1 in %2 is an invalid accessPoint for reference!</source>
        <translation>ConnectedAP apName = %1 引用无效，IED %2 中不存在该AccessPoint</translation>
    </message>
    <message>
        <source>Address IP = %1 repetition! (SubNetwork name = %2, ConnectedAP iedName = %3, apName = %4) and </source>
        <translation>地址IP = %1 重复！（SubNetwork name = %2，ConnectedAP iedName = %3，apName = %4）与 </translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1(SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4) the same.</source>
        <translation>[Semantic check]|--Error: %1（SubNetwork name = %2，ConnectedAP iedName = %3 apName = %4）相同。</translation>
    </message>
    <message>
        <source>Address MAC-Address = %1 repetition! (SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, GSE cbName = %5, ldInst = %6) and </source>
        <translation>地址MAC-Address = %1 重复！（SubNetwork name = %2，ConnectedAP iedName = %3 apName = %4，GSE cbName = %5，ldInst = %6）与 </translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1(SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, GSE cbName = %5, ldInst = %6) the same.</source>
        <translation>[Semantic check]|--Error: %1（SubNetwork name = %2，ConnectedAP iedName = %3 apName = %4，GSE cbName = %5，ldInst = %6）相同。</translation>
    </message>
    <message>
        <source>Address APPID = %1 repetition! (SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, SMV cbName = %5, ldInst = %6) and </source>
        <translation>地址APPID = %1 重复！（SubNetwork name = %2，ConnectedAP iedName = %3 apName = %4，SMV cbName = %5，ldInst = %6）与 </translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1(SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, SMV cbName = %5, ldInst = %6) the same.</source>
        <translation>[Semantic check]|--Error: %1（SubNetwork name = %2，ConnectedAP iedName = %3 apName = %4，SMV cbName = %5，ldInst = %6）相同。</translation>
    </message>
    <message>
        <source>IED name = %1 repetition! (IED name = %2, desc = %3) and (IED name = %4, desc = %5) the same</source>
        <translation>IED name = %1 重复！（IED name = %2，desc = %3）与（IED name = %4，desc = %5）相同</translation>
    </message>
    <message>
        <source>[Semantic check]|--Warn : %1.</source>
        <translation>[Semantic check]|--Warn : %1。</translation>
    </message>
    <message>
        <source>[Semantic check]|--Warn : %1 max no exist or non-numeric.</source>
        <translation>[Semantic check]|--Warn : %1 的max属性不存在或不是数值。</translation>
    </message>
    <message>
        <source>[Semantic check]|--Warn : %1 max Value less than 10.</source>
        <translation>[Semantic check]|--Warn : %1 的max值小于10。</translation>
    </message>
    <message>
        <source>[Semantic check]|--Warn : %1 max Value less than 10 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5, ReportControl name = %6 confRev = %7 rptID = %8).</source>
        <translation>[Semantic check]|--Warn : %1 的max值小于10（AccessPoint name = %2，LDevice inst = %3，LN lnClass = %4 lnType = %5，ReportControl name = %6 confRev = %7 rptID = %8）。</translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1 lnClass = %2,lnType = %3 inst = %4 is an invalid %5 for reference! (AccessPoint name = %6, LDevice inst = %7)</source>
        <translation>[Semantic check]|--Error: %1 lnClass = %2，lnType = %3 inst = %4 为无效的%5引用！（AccessPoint name = %6，LDevice inst = %7）</translation>
    </message>
    <message>
        <source>[Semantic check]|--Warn : %1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5 inst = %6, desc = %7) the same.</source>
        <translation>[Semantic check]|--Warn : %1（AccessPoint name = %2，LDevice inst = %3，LN lnClass = %4 lnType = %5 inst = %6，desc = %7）相同。</translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5 inst = %6) %7.</source>
        <translation>[Semantic check]|--Error: %1（AccessPoint name = %2，LDevice inst = %3，LN lnClass = %4 lnType = %5 inst = %6）：%7。</translation>
    </message>
    <message>
        <source>DOI name = %1 invalid reference.</source>
        <translation>DOI name = %1 引用无效</translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5 inst = %6, %7) %8.</source>
        <translation>[Semantic check]|--Error: %1（AccessPoint name = %2，LDevice inst = %3，LN lnClass = %4 lnType = %5 inst = %6，%7）：%8。</translation>
    </message>
    <message>
        <source>[Semantic check]|--Warn : FCDA %1 repetition! (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5 inst = %6, DataSet = %7).</source>
        <translation>[Semantic check]|--Warn : FCDA %1 重复！（AccessPoint name = %2，LDevice inst = %3，LN lnClass = %4 lnType = %5 inst = %6，DataSet = %7）。</translation>
    </message>
    <message>
        <source>DataSet name = %1 repetition! (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5, desc = %6) and </source>
        <translation>DataSet name = %1 重复！（AccessPoint name = %2，LDevice inst = %3，LN lnClass = %4 lnType = %5，desc = %6）与 </translation>
    </message>
    <message>
        <source>(AccessPoint name = %1, LDevice inst = %2, LN lnClass = %3 lnType = %4, DataSet name = %5)</source>
        <translation>（AccessPoint name = %1，LDevice inst = %2，LN lnClass = %3 lnType = %4，DataSet name = %5）</translation>
    </message>
    <message>
        <source>(AccessPoint name = %1, LDevice inst = %2, LN lnClass = %3 lnType = %4)</source>
        <translation>（AccessPoint name = %1，LDevice inst = %2，LN lnClass = %3 lnType = %4）</translation>
    </message>
    <message>
        <source>ExtRef&apos;s iedName = %1 invalid reference! %2</source>
        <translation>ExtRef的iedName = %1 引用无效%2</translation>
    </message>
    <message>
        <source>%1&apos;s ldInst = %2 invalid reference! %3</source>
        <translation>%1的ldInst = %2 引用无效%3</translation>
    </message>
    <message>
        <source>%1&apos;s lnClass = %2,lnInst = %3,prefix = %4 invalid reference! %5</source>
        <translation>%1的lnClass = %2，lnInst = %3，prefix = %4 引用无效%5</translation>
    </message>
    <message>
        <source>%1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5, DataSet name = %6)</source>
        <translation>%1（AccessPoint name = %2，LDevice inst = %3，LN lnClass = %4 lnType = %5，DataSet name = %6）</translation>
    </message>
    <message>
        <source>%1&apos;s doName = %2 invalid reference!</source>
        <translation>%1的doName = %2 引用无效</translation>
    </message>
    <message>
        <source>%1&apos;s doName = %2&apos;s SDO = %3 invalid reference!</source>
        <translation>%1的doName = %2 中的SDO = %3 引用无效</translation>
    </message>
    <message>
        <source>%1&apos;s daName = %2 invalid reference!</source>
        <translation>%1的daName = %2 引用无效</translation>
    </message>
    <message>
        <source>%1&apos;s daName = %2&apos;s DA name = %3 fc = %4 type = %5 invalid reference!</source>
        <translation>%1的daName = %2 中的DA name = %3 fc = %4 type = %5 引用无效</translation>
    </message>
    <message>
        <source>%1&apos;s daName = %2&apos;s BDA = %3 invalid reference!</source>
        <translation>%1的daName = %2 中的BDA = %3 引用无效</translation>
    </message>
    <message>
        <source>SDI name = %1 not found any parent!</source>
        <translation>SDI name = %1 未找到任何父节点</translation>
    </message>
    <message>
        <source>DOI name = %1 </source>
        <translation>DOI name = %1 </translation>
    </message>
    <message>
        <source>%1 name = %2 invalid reference</source>
        <translation>%1 name = %2 引用无效</translation>
    </message>
    <message>
        <source>%1 name = %2 </source>
        <translation>%1 name = %2 </translation>
    </message>
    <message>
        <source>Modify record: %1 = %2 deleted successfully.</source>
        <translation>Modify record: %1 = %2 删除成功。</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]Check LNodeType ......</source>
        <translation>[DataTypeTemplates check]Check LNodeType ......（正在校验LNodeType）</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]LNodeType id = %1 unused, this LNodeType will be deleted.</source>
        <translation>[DataTypeTemplates check]LNodeType id = %1 未被使用，将删除该LNodeType。</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]Check DOType ......</source>
        <translation>[DataTypeTemplates check]Check DOType ......（正在校验DOType）</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]DOType id = %1 unused, this DOType will be deleted.</source>
        <translation>[DataTypeTemplates check]DOType id = %1 未被使用，将删除该DOType。</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]Check DAType ......</source>
        <translation>[DataTypeTemplates check]Check DAType ......（正在校验DAType）</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]DAType id = %1 unused, this DAType will be deleted.</source>
        <translation>[DataTypeTemplates check]DAType id = %1 未被使用，将删除该DAType。</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]Check EnumType ......</source>
        <translation>[DataTypeTemplates check]Check EnumType ......（正在校验EnumType）</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]EnumType id = %1 unused, this EnumType will be deleted.</source>
        <translation>[DataTypeTemplates check]EnumType id = %1 未被使用，将删除该EnumType。</translation>
    </message>
    <message>
        <source>delete %1 %2</source>
        <translation>删除 %1 %2</translation>
    </message>
    <message>
        <source>delete unused types</source>
        <translation>删除未使用的类型</translation>
    </message>
</context>
<context>
    <name>XmlObject</name>
    <message>
        <source>Undefined</source>
        <translation>未定义</translation>
    </message>
</context>
<context>
    <name>XmlReader</name>
    <message>
        <source>Elements are nested deeper than %1 levels</source>
        <translation>元素嵌套层数超过 %1 层</translation>
    </message>
    <message>
        <source>ReadOnly open file %1 failed.</source>
        <translation>以只读方式打开文件 %1 失败。</translation>
    </message>
    <message>
        <source>Xml Syntax error at line:%1, column:%2, error: %3.</source>
        <translation>XML语法错误，行：%1，列：%2，错误：%3。</translation>
    </message>
    <message>
        <source>Save file %1 open operate failed.</source>
        <translation>保存文件 %1 时打开操作失败。</translation>
    </message>
    <message>
        <source>Save file %1 write operate failed.</source>
        <translation>保存文件 %1 时写入操作失败。</translation>
    </message>
    <message>
        <source>Save file %1 commit operate failed.</source>
        <translation>保存文件 %1 时提交操作失败。</translation>
    </message>
    <message>
        <source>Entity references expand to more than %1 characters</source>
        <translation>实体引用展开后超过 %1 个字符</translation>
    </message>
    <message>
        <source>Attribute name &apos;%1&apos; is not a valid XML name</source>
        <translation>属性名“%1”不是有效的XML名称</translation>
    </message>
    <message>
        <source>Entity &apos;%1&apos; refers to another file, which is not read</source>
        <translation>实体“%1”引用了另一个文件，该文件不会被读取</translation>
    </message>
    <message>
        <source>Entity &apos;%1&apos; is not declared in the file</source>
        <translation>实体“%1”未在文件中声明</translation>
    </message>
    <message>
        <source>The file is not valid %1 (byte offset %2)</source>
        <translation>文件不是有效的%1编码（字节偏移 %2）</translation>
    </message>
    <message>
        <source>Save file %1: %2 characters that XML cannot hold were left out.</source>
        <translation>保存文件 %1：已略去 %2 个XML无法容纳的字符。</translation>
    </message>
    <message>
        <source>The file declares the encoding %1, but its bytes are 8-bit text</source>
        <translation>文件声明的编码为 %1，但其字节是8位文本</translation>
    </message>
</context>
<context>
    <name>XmlSchema</name>
    <message>
        <source>[Schema check]XSD File %1:%2 %3 unhandled</source>
        <translation>[Schema check]XSD文件 %1:%2 中的 %3 未处理</translation>
    </message>
    <message>
        <source>[Schema check]ReadOnly open file %1 failed.</source>
        <translation>[Schema check]以只读方式打开文件 %1 失败。</translation>
    </message>
    <message>
        <source>[Schema check]Warning: Unhandled type</source>
        <translation>[Schema check]警告：未处理的类型</translation>
    </message>
    <message>
        <source>Fail to find DOType %1</source>
        <translation>未找到DOType %1</translation>
    </message>
</context>
<context>
    <name>XmlTemplateMerge</name>
    <message>
        <source>Import ICD file, replace %1 %2 failed.</source>
        <translation>导入ICD文件，替换 %1 %2 失败。</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, replace %1 = %2.</source>
        <translation>Modify record: 导入ICD文件，替换 %1 = %2。</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, add prefix %1 = %2.</source>
        <translation>Modify record: 导入ICD文件，添加前缀 %1 = %2。</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, insert %1 = %2.</source>
        <translation>Modify record: 导入ICD文件，插入 %1 = %2。</translation>
    </message>
</context>
<context>
    <name>XmlWizard</name>
    <message>
        <source>Import ICD file Wizard</source>
        <translation>导入ICD文件向导</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, add IED = %1 - %2.</source>
        <translation>Modify record: 导入ICD文件，添加 IED = %1 - %2。</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, Add ConnectedAP = %1 - %2.</source>
        <translation>Modify record: 导入ICD文件，添加 ConnectedAP = %1 - %2。</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, add DataTypeTemplates.</source>
        <translation>Modify record: 导入ICD文件，添加 DataTypeTemplates。</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, alter LN %1 to %2.</source>
        <translation>Modify record: 导入ICD文件，将 LN %1 改为 %2。</translation>
    </message>
    <message>
        <source>import IED %1</source>
        <translation>导入 IED %1</translation>
    </message>
</context>
<context>
    <name>XmlWizardCheck</name>
    <message>
        <source>Inspect</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>To load the file to XML,semantics,schema checking.</source>
        <translation>对加载的文件进行XML、语义和Schema检查。</translation>
    </message>
    <message>
        <source>Ignored schema check!</source>
        <translation>已忽略Schema检查！</translation>
    </message>
</context>
<context>
    <name>XmlWizardConnectedAPS</name>
    <message>
        <source>For ICD file access point in the configuration.</source>
        <translation>配置ICD文件的访问点。</translation>
    </message>
    <message>
        <source>AccessPoint:</source>
        <translation>访问点：</translation>
    </message>
    <message>
        <source>Add SubNetwork</source>
        <translation>添加子网</translation>
    </message>
    <message>
        <source>A Network</source>
        <translation>A网</translation>
    </message>
    <message>
        <source>SubNetwork:</source>
        <translation>子网：</translation>
    </message>
    <message>
        <source>IPAddress:</source>
        <translation>IP地址：</translation>
    </message>
    <message>
        <source>NetMask:</source>
        <translation>子网掩码：</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>网关：</translation>
    </message>
    <message>
        <source>B Network</source>
        <translation>B网</translation>
    </message>
    <message>
        <source>Tips:click on the header selection/all don&apos;t choose</source>
        <translation>提示：点击表头全选/全不选</translation>
    </message>
    <message>
        <source>state</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>cbName</source>
        <translation>cbName</translation>
    </message>
    <message>
        <source>ldInst</source>
        <translation>ldInst</translation>
    </message>
    <message>
        <source>SubNetwork(A)</source>
        <translation>子网(A)</translation>
    </message>
    <message>
        <source>MAC-Address(A)</source>
        <translation>MAC地址(A)</translation>
    </message>
    <message>
        <source>SubNetwork(B)</source>
        <translation>子网(B)</translation>
    </message>
    <message>
        <source>MAC-Address(B)</source>
        <translation>MAC地址(B)</translation>
    </message>
    <message>
        <source>AccessPoint - %1</source>
        <translation>访问点 - %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>A net&apos;s subNetWork can&apos;t empty.</source>
        <translation>A网的子网不能为空。</translation>
    </message>
    <message>
        <source>B net&apos;s subNetWork can&apos;t empty.</source>
        <translation>B网的子网不能为空。</translation>
    </message>
    <message>
        <source>Input addr is incomplete. addr = %1.</source>
        <translation>输入的地址不完整。地址 = %1。</translation>
    </message>
    <message>
        <source>The subNetWork can&apos;t the same.</source>
        <translation>子网不能相同。</translation>
    </message>
    <message>
        <source>The ip address can&apos;t the same.</source>
        <translation>IP地址不能相同。</translation>
    </message>
    <message>
        <source>The SubNetwork(A) can&apos;t empty.</source>
        <translation>子网(A)不能为空。</translation>
    </message>
    <message>
        <source>The SubNetwork can&apos;t the same.</source>
        <translation>子网不能相同。</translation>
    </message>
    <message>
        <source>The Mac-Address(A) can&apos;t empty.</source>
        <translation>MAC地址(A)不能为空。</translation>
    </message>
    <message>
        <source>The Mac-Address can&apos;t the same.</source>
        <translation>MAC地址不能相同。</translation>
    </message>
    <message>
        <source>Not found Communication, Please add back to the main window.</source>
        <translation>未找到Communication，请在主窗口中添加。</translation>
    </message>
    <message>
        <source>Not found SubNetwork %1.</source>
        <translation>未找到子网 %1。</translation>
    </message>
</context>
<context>
    <name>XmlWizardDataTypeTemplates</name>
    <message>
        <source>Revise - DataTypeTemplates</source>
        <translation>修订 - DataTypeTemplates</translation>
    </message>
    <message>
        <source>Compare in the ICD DataTypeTemplates in the content and SCD, found that do not agree to revise.</source>
        <translation>比较ICD与SCD的DataTypeTemplates内容，对不一致的类型进行修订。</translation>
    </message>
    <message>
        <source>type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>id name</source>
        <translation>id名称</translation>
    </message>
    <message>
        <source>ignore icd</source>
        <translation>忽略ICD</translation>
    </message>
    <message>
        <source>replace scd</source>
        <translation>替换SCD</translation>
    </message>
    <message>
        <source>prefix</source>
        <translation>前缀</translation>
    </message>
    <message>
        <source>prefix name</source>
        <translation>前缀名称</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Tips:click on the header selection/all don&apos;t choose</source>
        <translation>提示：点击表头全选/全不选</translation>
    </message>
    <message>
        <source>Not found different type.</source>
        <translation>未发现不同的类型。</translation>
    </message>
    <message>
        <source>ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Not found the selected prefix.</source>
        <translation>未找到已选择前缀的行。</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Please select operation of the %1.</source>
        <translation>请选择 %1 的操作。</translation>
    </message>
    <message>
        <source>Please enter prefix name of the %1.</source>
        <translation>请输入 %1 的前缀名称。</translation>
    </message>
</context>
<context>
    <name>XmlWizardFinish</name>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Import ICD file process information, please confirm after finish ICD file import work.</source>
        <translation>导入ICD文件的处理信息，请确认后完成ICD文件导入。</translation>
    </message>
    <message>
        <source>Load:</source>
        <translation>加载：</translation>
    </message>
    <message>
        <source>Inspect:</source>
        <translation>检查：</translation>
    </message>
    <message>
        <source>ignore check.</source>
        <translation>忽略检查。</translation>
    </message>
    <message>
        <source>AccessPoint:</source>
        <translation>访问点：</translation>
    </message>
    <message>
        <source>Add ConnectedAP = %1 - %2.</source>
        <translation>添加 ConnectedAP = %1 - %2。</translation>
    </message>
    <message>
        <source> IP: %1</source>
        <translation> IP：%1</translation>
    </message>
    <message>
        <source> MAC-Address: %1</source>
        <translation> MAC地址：%1</translation>
    </message>
    <message>
        <source>DataTypeTemplates:</source>
        <translation>DataTypeTemplates：</translation>
    </message>
    <message>
        <source>LNodeTypes:</source>
        <translation>LNodeTypes：</translation>
    </message>
    <message>
        <source>DoTypes:</source>
        <translation>DoTypes：</translation>
    </message>
    <message>
        <source>DaTypes:</source>
        <translation>DaTypes：</translation>
    </message>
    <message>
        <source>EnumTypes:</source>
        <translation>EnumTypes：</translation>
    </message>
    <message>
        <source>insert:  %1</source>
        <translation>插入：  %1</translation>
    </message>
    <message>
        <source>ignore:  %1</source>
        <translation>忽略：  %1</translation>
    </message>
    <message>
        <source>replace: %1</source>
        <translation>替换：  %1</translation>
    </message>
    <message>
        <source>prefix:  %1 to %2</source>
        <translation>前缀：  %1 改为 %2</translation>
    </message>
</context>
<context>
    <name>XmlWizardLoad</name>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Specify will load of ICD,CID,XML documents and information.</source>
        <translation>指定要加载的ICD、CID、XML文件及信息。</translation>
    </message>
    <message>
        <source>Input IED name :</source>
        <translation>输入IED名称：</translation>
    </message>
    <message>
        <source>example: PM2201</source>
        <translation>例如：PM2201</translation>
    </message>
    <message>
        <source>Input IED desc :</source>
        <translation>输入IED描述：</translation>
    </message>
    <message>
        <source>example: 220kV #1 line protective device</source>
        <translation>例如：220kV #1 线路保护装置</translation>
    </message>
    <message>
        <source>Load file name :</source>
        <translation>加载文件名：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>加载文件</translation>
    </message>
    <message>
        <source>ICD files(*.icd);;All files(*.*)</source>
        <translation>ICD文件(*.icd);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>IED name %1 already exist, Please input again.</source>
        <translation>IED名称 %1 已存在，请重新输入。</translation>
    </message>
    <message>
        <source>Please wait, SCL file parsing ......</source>
        <translation>请稍候，正在解析SCL文件......</translation>
    </message>
    <message>
        <source>Load file %1 failed.</source>
        <translation>加载文件 %1 失败。</translation>
    </message>
</context>
<context>
    <name>attribute</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>This is required key, Value can&apos;t be empty.</source>
        <translation>该项为必填项，值不能为空。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>SCL Schema file load succeed.</source>
        <translation>SCL Schema文件加载成功。</translation>
    </message>
</context>
<context>
    <name>nvProcess</name>
    <message>
        <source>Into SystemExec[%1,%2,%3].</source>
        <translation>进入 SystemExec[%1,%2,%3]。</translation>
    </message>
    <message>
        <source>File[%1] is not exists!</source>
        <translation>文件[%1]不存在！</translation>
    </message>
    <message>
        <source>File[%1] Permission denied!</source>
        <translation>文件[%1]权限被拒绝！</translation>
    </message>
    <message>
        <source>CreateProcess returned %1!</source>
        <translation>CreateProcess 返回 %1！</translation>
    </message>
</context>
<context>
    <name>sclCommunication</name>
    <message>
        <source> Yellow is required </source>
        <translation> 黄色为必填项 </translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>sclFcda</name>
    <message>
        <source>edit description of %1</source>
        <translation>编辑 %1 的描述</translation>
    </message>
</context>
<context>
    <name>sclHistory</name>
    <message>
        <source> Yellow is required </source>
        <translation> 黄色为必填项 </translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>sclIed</name>
    <message>
        <source>Logic Device</source>
        <translation>逻辑设备</translation>
    </message>
    <message>
        <source> Yellow is required </source>
        <translation> 黄色为必填项 </translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Logic Node</source>
        <translation>逻辑节点</translation>
    </message>
    <message>
        <source>Data Set</source>
        <translation>数据集</translation>
    </message>
    <message>
        <source>GSE Control</source>
        <translation>GSE控制块</translation>
    </message>
    <message>
        <source>SMV Control</source>
        <translation>SMV控制块</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Report Control</source>
        <translation>报告控制块</translation>
    </message>
    <message>
        <source>RptEnabled</source>
        <translation>RptEnabled</translation>
    </message>
    <message>
        <source>RptEnabled description</source>
        <translation>RptEnabled 描述</translation>
    </message>
    <message>
        <source>Log Control</source>
        <translation>日志控制块</translation>
    </message>
</context>
<context>
    <name>sclInputs</name>
    <message>
        <source>Internal signal description</source>
        <translation>内部信号描述</translation>
    </message>
    <message>
        <source>External signal description</source>
        <translation>外部信号描述</translation>
    </message>
</context>
<context>
    <name>sclLog</name>
    <message>
        <source>Debug</source>
        <translation>调试</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>严重</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>致命</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>log column</comment>
        <translation>类型</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>log column</comment>
        <translation>时间</translation>
    </message>
    <message>
        <source>Message</source>
        <comment>log column</comment>
        <translation>信息</translation>
    </message>
</context>
<context>
    <name>sclReportControl</name>
    <message>
        <source>Modify record: name = %1, RptEnabled invalid.</source>
        <translation>Modify record: name = %1, RptEnabled 已取消。</translation>
    </message>
    <message>
        <source>Modify record: name = %1, RptEnabled effective, max = %2, desc = %3.</source>
        <translation>Modify record: name = %1, RptEnabled 已生效, max = %2, desc = %3。</translation>
    </message>
    <message>
        <source>disable reports of %1</source>
        <translation>停用 %1 的报告</translation>
    </message>
</context>
<context>
    <name>sclSubNetwork</name>
    <message>
        <source> Yellow is required </source>
        <translation> 黄色为必填项 </translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>GSE</source>
        <translation>GSE</translation>
    </message>
    <message>
        <source>SMV</source>
        <translation>SMV</translation>
    </message>
</context>
<context>
    <name>sclTableView</name>
    <message>
        <source>Modify record: SubNetwork name = %1 type = %2</source>
        <translation>Modify record: SubNetwork name = %1 type = %2</translation>
    </message>
    <message>
        <source>Modify record: DataSet name = %1 desc = %2</source>
        <translation>Modify record: DataSet name = %1 desc = %2</translation>
    </message>
    <message>
        <source>Modify record: FCDA ldInst = %1 lnClass = %2 lnInst = %3 fc = %4 doName = %5 daName = %6</source>
        <translation>Modify record: FCDA ldInst = %1 lnClass = %2 lnInst = %3 fc = %4 doName = %5 daName = %6</translation>
    </message>
    <message>
        <source>Modify record: GSEControl name = %1 datSet = %2 type = %3 appID = %4 confRev = %5</source>
        <translation>Modify record: GSEControl name = %1 datSet = %2 type = %3 appID = %4 confRev = %5</translation>
    </message>
    <message>
        <source>Modify record: Hitem who = %1 when = %2 what = %3 why = %4 version = %5 revision = %6</source>
        <translation>Modify record: Hitem who = %1 when = %2 what = %3 why = %4 version = %5 revision = %6</translation>
    </message>
    <message>
        <source>Modify record: ExtRef iedName = %1 ldInst = %2 lnClass = %3 lnInst = %4 doName = %5 daName = %6</source>
        <translation>Modify record: ExtRef iedName = %1 ldInst = %2 lnClass = %3 lnInst = %4 doName = %5 daName = %6</translation>
    </message>
    <message>
        <source>Modify record: LDevice inst = %1 desc = %2</source>
        <translation>Modify record: LDevice inst = %1 desc = %2</translation>
    </message>
    <message>
        <source>Modify record: LogControl name = %1 datSet = %2 logName = %3 desc = %4</source>
        <translation>Modify record: LogControl name = %1 datSet = %2 logName = %3 desc = %4</translation>
    </message>
    <message>
        <source>Modify record: LN lnClass = %1 lnType = %2 inst = %3 desc = %4</source>
        <translation>Modify record: LN lnClass = %1 lnType = %2 inst = %3 desc = %4</translation>
    </message>
    <message>
        <source>Modify record: ReportControl name = %1 datSet = %2 rptID = %3</source>
        <translation>Modify record: ReportControl name = %1 datSet = %2 rptID = %3</translation>
    </message>
    <message>
        <source>Modify record: ClientLN iedName = %1 ldInst = %2 lnClass = %3 lnInst = %4</source>
        <translation>Modify record: ClientLN iedName = %1 ldInst = %2 lnClass = %3 lnInst = %4</translation>
    </message>
    <message>
        <source>Modify record: SampledValueControl name = %1 datSet = %2 smvID = %3 confRev = %4</source>
        <translation>Modify record: SampledValueControl name = %1 datSet = %2 smvID = %3 confRev = %4</translation>
    </message>
    <message>
        <source>Modify record: ConnectedAP iedName = %1 apName = %2</source>
        <translation>Modify record: ConnectedAP iedName = %1 apName = %2</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>This is required key, Value can&apos;t be empty.</source>
        <translation>该项为必填项，值不能为空。</translation>
    </message>
    <message>
        <source>objectItem invaild.</source>
        <translation>objectItem 无效。</translation>
    </message>
    <message>
        <source>, move up.</source>
        <translation>，上移。</translation>
    </message>
    <message>
        <source>, move down.</source>
        <translation>，下移。</translation>
    </message>
    <message>
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message>
        <source>Delete the element, whether to continue ?</source>
        <translation>删除该元素，是否继续？</translation>
    </message>
    <message>
        <source>, delete.</source>
        <translation>，删除。</translation>
    </message>
    <message>
        <source>move up %1</source>
        <translation>上移 %1</translation>
    </message>
    <message>
        <source>move down %1</source>
        <translation>下移 %1</translation>
    </message>
    <message>
        <source>delete %1</source>
        <translation>删除 %1</translation>
    </message>
</context>
</TS>
