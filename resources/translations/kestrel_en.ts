<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DlgAbout</name>
    <message>
        <source>About ...</source>
        <translation>About ...</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Kestrel team, Norvane</source>
        <translation>The Kestrel team, Norvane</translation>
    </message>
    <message>
        <source> Version Description</source>
        <translation> Version Description</translation>
    </message>
    <message>
        <source> &gt; Element table views: IED, Communication, SubNetwork and History.</source>
        <translation> &gt; Element table views: IED, Communication, SubNetwork and History.</translation>
    </message>
    <message>
        <source> &gt; Import ICD file.</source>
        <translation> &gt; Import ICD file.</translation>
    </message>
    <message>
        <source> &gt; Feedback mail and updater launch.</source>
        <translation> &gt; Feedback mail and updater launch.</translation>
    </message>
    <message>
        <source> History Version 1.0.1</source>
        <translation> History Version 1.0.1</translation>
    </message>
    <message>
        <source> &gt; Added: File drag and drop function.</source>
        <translation> &gt; Added: File drag and drop function.</translation>
    </message>
    <message>
        <source> &gt; Semantic check and DataTypeTemplates check.</source>
        <translation> &gt; Semantic check and DataTypeTemplates check.</translation>
    </message>
    <message>
        <source> &gt; Chinese and English switch.</source>
        <translation> &gt; Chinese and English switch.</translation>
    </message>
    <message>
        <source> History Version 1.0.0</source>
        <translation> History Version 1.0.0</translation>
    </message>
    <message>
        <source> &gt; SCL file open, edit and save.</source>
        <translation> &gt; SCL file open, edit and save.</translation>
    </message>
    <message>
        <source> &gt; Attribute editing from the SCL schema.</source>
        <translation> &gt; Attribute editing from the SCL schema.</translation>
    </message>
</context>
<context>
    <name>DlgCompareXml</name>
    <message>
        <source>Xml Compare</source>
        <translation>Xml Compare</translation>
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
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Questions or Suggestions</source>
        <translation>Questions or Suggestions</translation>
    </message>
    <message>
        <source>Please input your name</source>
        <translation>Please input your name</translation>
    </message>
    <message>
        <source>Please input your email address</source>
        <translation>Please input your email address</translation>
    </message>
    <message>
        <source>If you want to reply, please fill in</source>
        <translation>If you want to reply, please fill in</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Send</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Please enter questions or suggestions the content.</source>
        <translation>Please enter questions or suggestions the content.</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Please enter your name.</translation>
    </message>
    <message>
        <source>No feedback mailbox is set up on this computer: the settings group &quot;feedback&quot; needs host and account (and port, connection, user, password as the server wants them).</source>
        <translation>No feedback mailbox is set up on this computer: the settings group &quot;feedback&quot; needs host and account (and port, connection, user, password as the server wants them).</translation>
    </message>
    <message>
        <source>SMTP connect failed.</source>
        <translation>SMTP connect failed.</translation>
    </message>
    <message>
        <source>Login failed.</source>
        <translation>Login failed.</translation>
    </message>
    <message>
        <source>Send email failed, Please check the network is normal.</source>
        <translation>Send email failed, Please check the network is normal.</translation>
    </message>
    <message>
        <source>Send email succeed, Thank you for your support.</source>
        <translation>Send email succeed, Thank you for your support.</translation>
    </message>
    <message>
        <source>Sending the mail ...</source>
        <translation>Sending the mail ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DlgPrefixName</name>
    <message>
        <source>DlgPrefixName</source>
        <translation>DlgPrefixName</translation>
    </message>
    <message>
        <source>Prefix Name:</source>
        <translation>Prefix Name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Please enter the content.</source>
        <translation>Please enter the content.</translation>
    </message>
</context>
<context>
    <name>DlgProperty</name>
    <message>
        <source>Property Editor</source>
        <translation>Property Editor</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>add</source>
        <translation>add</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>delete</translation>
    </message>
    <message>
        <source> Yellow is required </source>
        <translation> Yellow is required </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>New Item %1</source>
        <translation>New Item %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>[%1] is required key, Value can&apos;t be empty.</source>
        <translation>[%1] is required key, Value can&apos;t be empty.</translation>
    </message>
    <message>
        <source>[%1] is not a valid attribute name. A name starts with a letter or an underscore and holds only letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;.&apos;, without blanks.</source>
        <translation>[%1] is not a valid attribute name. A name starts with a letter or an underscore and holds only letters, digits, &apos;_&apos;, &apos;-&apos; and &apos;.&apos;, without blanks.</translation>
    </message>
    <message>
        <source>The item should be unique. The key fields: %1.</source>
        <translation>The item should be unique. The key fields: %1.</translation>
    </message>
</context>
<context>
    <name>DlgSetting</name>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Simplified Chinese</translation>
    </message>
    <message>
        <source>English American</source>
        <translation>English American</translation>
    </message>
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
    <name>DlgXmlView</name>
    <message>
        <source>Xml View</source>
        <translation>Xml View</translation>
    </message>
</context>
<context>
    <name>EditCommand</name>
    <message>
        <source>insert %1</source>
        <translation>insert %1</translation>
    </message>
    <message>
        <source>edit %1 of %2</source>
        <translation>edit %1 of %2</translation>
    </message>
</context>
<context>
    <name>Kestrel</name>
    <message>
        <source>Filter ied name or description</source>
        <translation>Filter ied name or description</translation>
    </message>
    <message>
        <source>Filter types id</source>
        <translation>Filter types id</translation>
    </message>
    <message>
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message>
        <source>File %1 no exist.</source>
        <translation>File %1 no exist.</translation>
    </message>
    <message>
        <source>Open file %1 succeed.</source>
        <translation>Open file %1 succeed.</translation>
    </message>
    <message>
        <source>Please wait, SCL file parsing ......</source>
        <translation>Please wait, SCL file parsing ......</translation>
    </message>
    <message>
        <source>Open file %1 failed.</source>
        <translation>Open file %1 failed.</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>New File</translation>
    </message>
    <message>
        <source>SCD files(*.scd);;CID files(*.cid);;ICD files(*.icd);;XML files(*.xml);;All files(*.*)</source>
        <translation>SCD files(*.scd);;CID files(*.cid);;ICD files(*.icd);;XML files(*.xml);;All files(*.*)</translation>
    </message>
    <message>
        <source>New file %1 failed.</source>
        <translation>New file %1 failed.</translation>
    </message>
    <message>
        <source>New file %1 succeed.</source>
        <translation>New file %1 succeed.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>SCL files(*.scd *.cid *.icd);;SCD files(*.scd);;CID files(*.cid);;ICD files(*.icd);;XML files(*.xml);;All files(*.*)</source>
        <translation>SCL files(*.scd *.cid *.icd);;SCD files(*.scd);;CID files(*.cid);;ICD files(*.icd);;XML files(*.xml);;All files(*.*)</translation>
    </message>
    <message>
        <source>Please wait, SCL file saving ......</source>
        <translation>Please wait, SCL file saving ......</translation>
    </message>
    <message>
        <source>Save file %1 succeed.</source>
        <translation>Save file %1 succeed.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>Content has changed, whether to need to save ?</source>
        <translation>Content has changed, whether to need to save ?</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Save file %1 failed. The file stays open with its changes.</source>
        <translation>Save file %1 failed. The file stays open with its changes.</translation>
    </message>
    <message>
        <source>Close file %1 succeed.</source>
        <translation>Close file %1 succeed.</translation>
    </message>
    <message>
        <source>[Semantic check]================= SCL Semantic check start =================</source>
        <translation>[Semantic check]================= SCL Semantic check start =================</translation>
    </message>
    <message>
        <source>[Semantic check]================= SCL Semantic check end ===================</source>
        <translation>[Semantic check]================= SCL Semantic check end ===================</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]================= SCL DataTypeTemplates check start =================</source>
        <translation>[DataTypeTemplates check]================= SCL DataTypeTemplates check start =================</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]================= SCL DataTypeTemplates check end ===================</source>
        <translation>[DataTypeTemplates check]================= SCL DataTypeTemplates check end ===================</translation>
    </message>
    <message>
        <source>Log Browser</source>
        <translation>Log Browser</translation>
    </message>
    <message>
        <source>Check Browser</source>
        <translation>Check Browser</translation>
    </message>
    <message>
        <source>recent file action get failed.</source>
        <translation>recent file action get failed.</translation>
    </message>
    <message>
        <source>Do you want to quit the application ?</source>
        <translation>Do you want to quit the application ?</translation>
    </message>
    <message>
        <source>Not found drag and drop file.</source>
        <translation>Not found drag and drop file.</translation>
    </message>
    <message>
        <source>Drag and drop file number can not be more than 1.</source>
        <translation>Drag and drop file number can not be more than 1.</translation>
    </message>
    <message>
        <source>Please drag and drop the SCL file.</source>
        <translation>Please drag and drop the SCL file.</translation>
    </message>
    <message>
        <source>Please wait, Semantic checking ......</source>
        <translation>Please wait, Semantic checking ......</translation>
    </message>
    <message>
        <source>SCL Semantic check successfully!</source>
        <translation>SCL Semantic check successfully!</translation>
    </message>
    <message>
        <source>SCL Semantic check failed!</source>
        <translation>SCL Semantic check failed!</translation>
    </message>
    <message>
        <source>SCL DataTypeTemplates check successfully!</source>
        <translation>SCL DataTypeTemplates check successfully!</translation>
    </message>
    <message>
        <source>SCL DataTypeTemplates check failed!</source>
        <translation>SCL DataTypeTemplates check failed!</translation>
    </message>
    <message>
        <source>Please wait, DataTypeTemplates checking ......</source>
        <translation>Please wait, DataTypeTemplates checking ......</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>&lt;opened file&gt;</source>
        <translation>&lt;opened file&gt;</translation>
    </message>
    <message>
        <source>Renaming %1 to %2 changes the %3 references to it as well. Continue?</source>
        <translation>Renaming %1 to %2 changes the %3 references to it as well. Continue?</translation>
    </message>
    <message>
        <source>Modify record: rename %1 to %2, %3 references follow.</source>
        <translation>Modify record: rename %1 to %2, %3 references follow.</translation>
    </message>
    <message>
        <source>[Where used]%1 is named in %2 places:</source>
        <translation>[Where used]%1 is named in %2 places:</translation>
    </message>
    <message>
        <source>[Where used]    %1: %2 = %3</source>
        <translation>[Where used]    %1: %2 = %3</translation>
    </message>
    <message>
        <source>[Schema check]================= SCL Schema check start =================</source>
        <translation>[Schema check]================= SCL Schema check start =================</translation>
    </message>
    <message>
        <source>Please wait, Schema checking ......</source>
        <translation>Please wait, Schema checking ......</translation>
    </message>
    <message>
        <source>SCL Schema check successfully!</source>
        <translation>SCL Schema check successfully!</translation>
    </message>
    <message>
        <source>SCL Schema check failed!</source>
        <translation>SCL Schema check failed!</translation>
    </message>
    <message>
        <source>[Schema check]================= SCL Schema check end ===================</source>
        <translation>[Schema check]================= SCL Schema check end ===================</translation>
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
        <translation>File(&amp;F)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>View(&amp;V)</translation>
    </message>
    <message>
        <source>Tool(&amp;T)</source>
        <translation>Tool(&amp;T)</translation>
    </message>
    <message>
        <source>Options(&amp;O)</source>
        <translation>Options(&amp;O)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Help(&amp;H)</translation>
    </message>
    <message>
        <source>mainToolBar</source>
        <translation>mainToolBar</translation>
    </message>
    <message>
        <source>SCL Browser</source>
        <translation>SCL Browser</translation>
    </message>
    <message>
        <source>DataTypeTemplates Browser</source>
        <translation>DataTypeTemplates Browser</translation>
    </message>
    <message>
        <source>Log Browser</source>
        <translation>Log Browser</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Attribute ( yellow is required )</source>
        <translation>Attribute ( yellow is required )</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Instance</source>
        <translation>Instance</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>New(&amp;N)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>new file</source>
        <translation>new file</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>Open(&amp;O)...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>open file</source>
        <translation>open file</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>Save(&amp;S)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>save file</source>
        <translation>save file</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save as(&amp;A)</source>
        <translation>Save as(&amp;A)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Close(&amp;C)</source>
        <translation>Close(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>close file</source>
        <translation>close file</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Quit(&amp;Q)</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Import ICD(&amp;I)</source>
        <translation>Import ICD(&amp;I)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Import ICD file</source>
        <translation>Import ICD file</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>CheckSchema</source>
        <translation>CheckSchema</translation>
    </message>
    <message>
        <source>Schema</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>schema check</source>
        <translation>schema check</translation>
    </message>
    <message>
        <source>CheckSemantic</source>
        <translation>CheckSemantic</translation>
    </message>
    <message>
        <source>Semantic</source>
        <translation>Semantic</translation>
    </message>
    <message>
        <source>semantic check</source>
        <translation>semantic check</translation>
    </message>
    <message>
        <source>CheckTemplate</source>
        <translation>CheckTemplate</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>template check</source>
        <translation>template check</translation>
    </message>
    <message>
        <source>Setting(&amp;S)...</source>
        <translation>Setting(&amp;S)...</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>setting</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Feedback(&amp;E)</source>
        <translation>Feedback(&amp;E)</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>feedback</source>
        <translation>feedback</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Update(&amp;U)</source>
        <translation>Update(&amp;U)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>update</source>
        <translation>update</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>about</source>
        <translation>about</translation>
    </message>
    <message>
        <source>SCL Browse(&amp;S)</source>
        <translation>SCL Browse(&amp;S)</translation>
    </message>
    <message>
        <source>SCL</source>
        <translation>SCL</translation>
    </message>
    <message>
        <source>SCL Browse</source>
        <translation>SCL Browse</translation>
    </message>
    <message>
        <source>DataTypeTemplates Browse(&amp;D)</source>
        <translation>DataTypeTemplates Browse(&amp;D)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>DataTypeTemplates Browse</source>
        <translation>DataTypeTemplates Browse</translation>
    </message>
    <message>
        <source>Log Browse(&amp;L)</source>
        <translation>Log Browse(&amp;L)</translation>
    </message>
    <message>
        <source>Log Browse</source>
        <translation>Log Browse</translation>
    </message>
    <message>
        <source>Attribute Browse(&amp;A)</source>
        <translation>Attribute Browse(&amp;A)</translation>
    </message>
    <message>
        <source>Attr</source>
        <translation>Attr</translation>
    </message>
    <message>
        <source>attribute</source>
        <translation>attribute</translation>
    </message>
    <message>
        <source>Instance Browse(&amp;I)</source>
        <translation>Instance Browse(&amp;I)</translation>
    </message>
    <message>
        <source>instance</source>
        <translation>instance</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>Edit(&amp;E)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
</context>
<context>
    <name>MenuLoader</name>
    <message>
        <source>Import ICD file</source>
        <translation>Import ICD file</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Copy %1 successfully.</source>
        <translation>Copy %1 successfully.</translation>
    </message>
    <message>
        <source>Modify record: Cut %1 successfully.</source>
        <translation>Modify record: Cut %1 successfully.</translation>
    </message>
    <message>
        <source>Modify record: Paste %1 successfully.</source>
        <translation>Modify record: Paste %1 successfully.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Can&apos;t copy [%1] under [%2].</source>
        <translation>Can&apos;t copy [%1] under [%2].</translation>
    </message>
    <message>
        <source>Do you really want to delete [%1] ?</source>
        <translation>Do you really want to delete [%1] ?</translation>
    </message>
    <message>
        <source>Modify record: Delete %1 successfully.</source>
        <translation>Modify record: Delete %1 successfully.</translation>
    </message>
    <message>
        <source>Modify record: %1 move up.</source>
        <translation>Modify record: %1 move up.</translation>
    </message>
    <message>
        <source>Modify record: %1 move down.</source>
        <translation>Modify record: %1 move down.</translation>
    </message>
    <message>
        <source>Modify record: Insert %1 successfully.</source>
        <translation>Modify record: Insert %1 successfully.</translation>
    </message>
    <message>
        <source>cut %1</source>
        <translation>cut %1</translation>
    </message>
    <message>
        <source>delete %1</source>
        <translation>delete %1</translation>
    </message>
    <message>
        <source>move up %1</source>
        <translation>move up %1</translation>
    </message>
    <message>
        <source>move down %1</source>
        <translation>move down %1</translation>
    </message>
    <message>
        <source>Where used</source>
        <translation>Where used</translation>
    </message>
    <message>
        <source>%1 references in the file name it: they will name nothing.</source>
        <translation>%1 references in the file name it: they will name nothing.</translation>
    </message>
    <message>
        <source>Modify record: Paste %1 as %2 = %3: %4 is taken.</source>
        <translation>Modify record: Paste %1 as %2 = %3: %4 is taken.</translation>
    </message>
</context>
<context>
    <name>QIpAddressEditItem</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>%1 is not acceptable value.
Please input the value bewteen 0 with 255.</source>
        <translation>%1 is not acceptable value.
Please input the value bewteen 0 with 255.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RenameEngine</name>
    <message>
        <source>rename %1 to %2</source>
        <translation>rename %1 to %2</translation>
    </message>
</context>
<context>
    <name>SchemaValidator</name>
    <message>
        <source>The embedded schema file %1 cannot be read.</source>
        <translation>The embedded schema file %1 cannot be read.</translation>
    </message>
    <message>
        <source>The embedded schema cannot be read.</source>
        <translation>The embedded schema cannot be read.</translation>
    </message>
    <message>
        <source>The embedded schema cannot be read: %1</source>
        <translation>The embedded schema cannot be read: %1</translation>
    </message>
    <message>
        <source>[Schema check]|--Error: %1</source>
        <translation>[Schema check]|--Error: %1</translation>
    </message>
    <message>
        <source>[Schema check]|--Error: %1 (line %2): %3</source>
        <translation>[Schema check]|--Error: %1 (line %2): %3</translation>
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
        <translation>Mail to SMTP server %1 cancelled.</translation>
    </message>
    <message>
        <source>Connection to SMTP server %1:%2 failed: %3</source>
        <translation>Connection to SMTP server %1:%2 failed: %3</translation>
    </message>
    <message>
        <source>Connection to SMTP server %1:%2 not established within %3 ms.</source>
        <translation>Connection to SMTP server %1:%2 not established within %3 ms.</translation>
    </message>
    <message>
        <source>SMTP server %1 sent a reply line longer than %2 octets.</source>
        <translation>SMTP server %1 sent a reply line longer than %2 octets.</translation>
    </message>
    <message>
        <source>SMTP server %1 sent a reply of more than %2 lines.</source>
        <translation>SMTP server %1 sent a reply of more than %2 lines.</translation>
    </message>
    <message>
        <source>SMTP server %1 closed the connection.</source>
        <translation>SMTP server %1 closed the connection.</translation>
    </message>
    <message>
        <source>SMTP server %1 sent no whole reply within %2 ms.</source>
        <translation>SMTP server %1 sent no whole reply within %2 ms.</translation>
    </message>
    <message>
        <source>SMTP server %1 answered &quot;%2&quot; where %3 was expected.</source>
        <translation>SMTP server %1 answered &quot;%2&quot; where %3 was expected.</translation>
    </message>
</context>
<context>
    <name>UndoCommand</name>
    <message>
        <source>Undo %1 successfully.</source>
        <translation>Undo %1 successfully.</translation>
    </message>
    <message>
        <source>Redo %1 successfully.</source>
        <translation>Redo %1 successfully.</translation>
    </message>
</context>
<context>
    <name>XmlCheck</name>
    <message>
        <source>[Semantic check]Check SubNetwork name = %1 type = %2 ......</source>
        <translation>[Semantic check]Check SubNetwork name = %1 type = %2 ......</translation>
    </message>
    <message>
        <source>[Semantic check]Check IED name = %1 desc = %2 ......</source>
        <translation>[Semantic check]Check IED name = %1 desc = %2 ......</translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1.</source>
        <translation>[Semantic check]|--Error: %1.</translation>
    </message>
    <message>
        <source>ConnectedAP iedName = %1 is an invalid IED for reference!</source>
        <translation>ConnectedAP iedName = %1 is an invalid IED for reference!</translation>
    </message>
    <message>
        <source>ConnectedAP apName = %1 in %2 is an invalid accessPoint for reference!</source>
        <translation>ConnectedAP apName = %1 in %2 is an invalid accessPoint for reference!</translation>
    </message>
    <message>
        <source>Address IP = %1 repetition! (SubNetwork name = %2, ConnectedAP iedName = %3, apName = %4) and </source>
        <translation>Address IP = %1 repetition! (SubNetwork name = %2, ConnectedAP iedName = %3, apName = %4) and </translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1(SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4) the same.</source>
        <translation>[Semantic check]|--Error: %1(SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4) the same.</translation>
    </message>
    <message>
        <source>Address MAC-Address = %1 repetition! (SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, GSE cbName = %5, ldInst = %6) and </source>
        <translation>Address MAC-Address = %1 repetition! (SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, GSE cbName = %5, ldInst = %6) and </translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1(SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, GSE cbName = %5, ldInst = %6) the same.</source>
        <translation>[Semantic check]|--Error: %1(SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, GSE cbName = %5, ldInst = %6) the same.</translation>
    </message>
    <message>
        <source>Address APPID = %1 repetition! (SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, SMV cbName = %5, ldInst = %6) and </source>
        <translation>Address APPID = %1 repetition! (SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, SMV cbName = %5, ldInst = %6) and </translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1(SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, SMV cbName = %5, ldInst = %6) the same.</source>
        <translation>[Semantic check]|--Error: %1(SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, SMV cbName = %5, ldInst = %6) the same.</translation>
    </message>
    <message>
        <source>IED name = %1 repetition! (IED name = %2, desc = %3) and (IED name = %4, desc = %5) the same</source>
        <translation>IED name = %1 repetition! (IED name = %2, desc = %3) and (IED name = %4, desc = %5) the same</translation>
    </message>
    <message>
        <source>[Semantic check]|--Warn : %1.</source>
        <translation>[Semantic check]|--Warn : %1.</translation>
    </message>
    <message>
        <source>[Semantic check]|--Warn : %1 max no exist or non-numeric.</source>
        <translation>[Semantic check]|--Warn : %1 max no exist or non-numeric.</translation>
    </message>
    <message>
        <source>[Semantic check]|--Warn : %1 max Value less than 10.</source>
        <translation>[Semantic check]|--Warn : %1 max Value less than 10.</translation>
    </message>
    <message>
        <source>[Semantic check]|--Warn : %1 max Value less than 10 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5, ReportControl name = %6 confRev = %7 rptID = %8).</source>
        <translation>[Semantic check]|--Warn : %1 max Value less than 10 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5, ReportControl name = %6 confRev = %7 rptID = %8).</translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1 lnClass = %2,lnType = %3 inst = %4 is an invalid %5 for reference! (AccessPoint name = %6, LDevice inst = %7)</source>
        <translation>[Semantic check]|--Error: %1 lnClass = %2,lnType = %3 inst = %4 is an invalid %5 for reference! (AccessPoint name = %6, LDevice inst = %7)</translation>
    </message>
    <message>
        <source>[Semantic check]|--Warn : %1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5 inst = %6, desc = %7) the same.</source>
        <translation>[Semantic check]|--Warn : %1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5 inst = %6, desc = %7) the same.</translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5 inst = %6) %7.</source>
        <translation>[Semantic check]|--Error: %1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5 inst = %6) %7.</translation>
    </message>
    <message>
        <source>DOI name = %1 invalid reference.</source>
        <translation>DOI name = %1 invalid reference.</translation>
    </message>
    <message>
        <source>[Semantic check]|--Error: %1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5 inst = %6, %7) %8.</source>
        <translation>[Semantic check]|--Error: %1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5 inst = %6, %7) %8.</translation>
    </message>
    <message>
        <source>[Semantic check]|--Warn : FCDA %1 repetition! (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5 inst = %6, DataSet = %7).</source>
        <translation>[Semantic check]|--Warn : FCDA %1 repetition! (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5 inst = %6, DataSet = %7).</translation>
    </message>
    <message>
        <source>DataSet name = %1 repetition! (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5, desc = %6) and </source>
        <translation>DataSet name = %1 repetition! (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5, desc = %6) and </translation>
    </message>
    <message>
        <source>(AccessPoint name = %1, LDevice inst = %2, LN lnClass = %3 lnType = %4, DataSet name = %5)</source>
        <translation>(AccessPoint name = %1, LDevice inst = %2, LN lnClass = %3 lnType = %4, DataSet name = %5)</translation>
    </message>
    <message>
        <source>(AccessPoint name = %1, LDevice inst = %2, LN lnClass = %3 lnType = %4)</source>
        <translation>(AccessPoint name = %1, LDevice inst = %2, LN lnClass = %3 lnType = %4)</translation>
    </message>
    <message>
        <source>ExtRef&apos;s iedName = %1 invalid reference! %2</source>
        <translation>ExtRef&apos;s iedName = %1 invalid reference! %2</translation>
    </message>
    <message>
        <source>%1&apos;s ldInst = %2 invalid reference! %3</source>
        <translation>%1&apos;s ldInst = %2 invalid reference! %3</translation>
    </message>
    <message>
        <source>%1&apos;s lnClass = %2,lnInst = %3,prefix = %4 invalid reference! %5</source>
        <translation>%1&apos;s lnClass = %2,lnInst = %3,prefix = %4 invalid reference! %5</translation>
    </message>
    <message>
        <source>%1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5, DataSet name = %6)</source>
        <translation>%1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5, DataSet name = %6)</translation>
    </message>
    <message>
        <source>%1&apos;s doName = %2 invalid reference!</source>
        <translation>%1&apos;s doName = %2 invalid reference!</translation>
    </message>
    <message>
        <source>%1&apos;s doName = %2&apos;s SDO = %3 invalid reference!</source>
        <translation>%1&apos;s doName = %2&apos;s SDO = %3 invalid reference!</translation>
    </message>
    <message>
        <source>%1&apos;s daName = %2 invalid reference!</source>
        <translation>%1&apos;s daName = %2 invalid reference!</translation>
    </message>
    <message>
        <source>%1&apos;s daName = %2&apos;s DA name = %3 fc = %4 type = %5 invalid reference!</source>
        <translation>%1&apos;s daName = %2&apos;s DA name = %3 fc = %4 type = %5 invalid reference!</translation>
    </message>
    <message>
        <source>%1&apos;s daName = %2&apos;s BDA = %3 invalid reference!</source>
        <translation>%1&apos;s daName = %2&apos;s BDA = %3 invalid reference!</translation>
    </message>
    <message>
        <source>SDI name = %1 not found any parent!</source>
        <translation>SDI name = %1 not found any parent!</translation>
    </message>
    <message>
        <source>DOI name = %1 </source>
        <translation>DOI name = %1 </translation>
    </message>
    <message>
        <source>%1 name = %2 invalid reference</source>
        <translation>%1 name = %2 invalid reference</translation>
    </message>
    <message>
        <source>%1 name = %2 </source>
        <translation>%1 name = %2 </translation>
    </message>
    <message>
        <source>Modify record: %1 = %2 deleted successfully.</source>
        <translation>Modify record: %1 = %2 deleted successfully.</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]Check LNodeType ......</source>
        <translation>[DataTypeTemplates check]Check LNodeType ......</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]LNodeType id = %1 unused, this LNodeType will be deleted.</source>
        <translation>[DataTypeTemplates check]LNodeType id = %1 unused, this LNodeType will be deleted.</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]Check DOType ......</source>
        <translation>[DataTypeTemplates check]Check DOType ......</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]DOType id = %1 unused, this DOType will be deleted.</source>
        <translation>[DataTypeTemplates check]DOType id = %1 unused, this DOType will be deleted.</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]Check DAType ......</source>
        <translation>[DataTypeTemplates check]Check DAType ......</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]DAType id = %1 unused, this DAType will be deleted.</source>
        <translation>[DataTypeTemplates check]DAType id = %1 unused, this DAType will be deleted.</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]Check EnumType ......</source>
        <translation>[DataTypeTemplates check]Check EnumType ......</translation>
    </message>
    <message>
        <source>[DataTypeTemplates check]EnumType id = %1 unused, this EnumType will be deleted.</source>
        <translation>[DataTypeTemplates check]EnumType id = %1 unused, this EnumType will be deleted.</translation>
    </message>
    <message>
        <source>delete %1 %2</source>
        <translation>delete %1 %2</translation>
    </message>
    <message>
        <source>delete unused types</source>
        <translation>delete unused types</translation>
    </message>
</context>
<context>
    <name>XmlObject</name>
    <message>
        <source>Undefined</source>
        <translation>Undefined</translation>
    </message>
</context>
<context>
    <name>XmlReader</name>
    <message>
        <source>Elements are nested deeper than %1 levels</source>
        <translation>Elements are nested deeper than %1 levels</translation>
    </message>
    <message>
        <source>ReadOnly open file %1 failed.</source>
        <translation>ReadOnly open file %1 failed.</translation>
    </message>
    <message>
        <source>Xml Syntax error at line:%1, column:%2, error: %3.</source>
        <translation>Xml Syntax error at line:%1, column:%2, error: %3.</translation>
    </message>
    <message>
        <source>Save file %1 open operate failed.</source>
        <translation>Save file %1 open operate failed.</translation>
    </message>
    <message>
        <source>Save file %1 write operate failed.</source>
        <translation>Save file %1 write operate failed.</translation>
    </message>
    <message>
        <source>Save file %1 commit operate failed.</source>
        <translation>Save file %1 commit operate failed.</translation>
    </message>
    <message>
        <source>Entity references expand to more than %1 characters</source>
        <translation>Entity references expand to more than %1 characters</translation>
    </message>
    <message>
        <source>Attribute name &apos;%1&apos; is not a valid XML name</source>
        <translation>Attribute name &apos;%1&apos; is not a valid XML name</translation>
    </message>
    <message>
        <source>Entity &apos;%1&apos; refers to another file, which is not read</source>
        <translation>Entity &apos;%1&apos; refers to another file, which is not read</translation>
    </message>
    <message>
        <source>Entity &apos;%1&apos; is not declared in the file</source>
        <translation>Entity &apos;%1&apos; is not declared in the file</translation>
    </message>
    <message>
        <source>The file is not valid %1 (byte offset %2)</source>
        <translation>The file is not valid %1 (byte offset %2)</translation>
    </message>
    <message>
        <source>Save file %1: %2 characters that XML cannot hold were left out.</source>
        <translation>Save file %1: %2 characters that XML cannot hold were left out.</translation>
    </message>
    <message>
        <source>The file declares the encoding %1, but its bytes are 8-bit text</source>
        <translation>The file declares the encoding %1, but its bytes are 8-bit text</translation>
    </message>
</context>
<context>
    <name>XmlSchema</name>
    <message>
        <source>[Schema check]XSD File %1:%2 %3 unhandled</source>
        <translation>[Schema check]XSD File %1:%2 %3 unhandled</translation>
    </message>
    <message>
        <source>[Schema check]ReadOnly open file %1 failed.</source>
        <translation>[Schema check]ReadOnly open file %1 failed.</translation>
    </message>
    <message>
        <source>[Schema check]Warning: Unhandled type</source>
        <translation>[Schema check]Warning: Unhandled type</translation>
    </message>
    <message>
        <source>Fail to find DOType %1</source>
        <translation>Fail to find DOType %1</translation>
    </message>
</context>
<context>
    <name>XmlTemplateMerge</name>
    <message>
        <source>Import ICD file, replace %1 %2 failed.</source>
        <translation>Import ICD file, replace %1 %2 failed.</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, replace %1 = %2.</source>
        <translation>Modify record: Import ICD file, replace %1 = %2.</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, add prefix %1 = %2.</source>
        <translation>Modify record: Import ICD file, add prefix %1 = %2.</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, insert %1 = %2.</source>
        <translation>Modify record: Import ICD file, insert %1 = %2.</translation>
    </message>
</context>
<context>
    <name>XmlWizard</name>
    <message>
        <source>Import ICD file Wizard</source>
        <translation>Import ICD file Wizard</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, add IED = %1 - %2.</source>
        <translation>Modify record: Import ICD file, add IED = %1 - %2.</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, Add ConnectedAP = %1 - %2.</source>
        <translation>Modify record: Import ICD file, Add ConnectedAP = %1 - %2.</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, add DataTypeTemplates.</source>
        <translation>Modify record: Import ICD file, add DataTypeTemplates.</translation>
    </message>
    <message>
        <source>Modify record: Import ICD file, alter LN %1 to %2.</source>
        <translation>Modify record: Import ICD file, alter LN %1 to %2.</translation>
    </message>
    <message>
        <source>import IED %1</source>
        <translation>import IED %1</translation>
    </message>
</context>
<context>
    <name>XmlWizardCheck</name>
    <message>
        <source>Inspect</source>
        <translation>Inspect</translation>
    </message>
    <message>
        <source>To load the file to XML,semantics,schema checking.</source>
        <translation>To load the file to XML,semantics,schema checking.</translation>
    </message>
    <message>
        <source>Ignored schema check!</source>
        <translation>Ignored schema check!</translation>
    </message>
</context>
<context>
    <name>XmlWizardConnectedAPS</name>
    <message>
        <source>For ICD file access point in the configuration.</source>
        <translation>For ICD file access point in the configuration.</translation>
    </message>
    <message>
        <source>AccessPoint:</source>
        <translation>AccessPoint:</translation>
    </message>
    <message>
        <source>Add SubNetwork</source>
        <translation>Add SubNetwork</translation>
    </message>
    <message>
        <source>A Network</source>
        <translation>A Network</translation>
    </message>
    <message>
        <source>SubNetwork:</source>
        <translation>SubNetwork:</translation>
    </message>
    <message>
        <source>IPAddress:</source>
        <translation>IPAddress:</translation>
    </message>
    <message>
        <source>NetMask:</source>
        <translation>NetMask:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>GateWay:</translation>
    </message>
    <message>
        <source>B Network</source>
        <translation>B Network</translation>
    </message>
    <message>
        <source>Tips:click on the header selection/all don&apos;t choose</source>
        <translation>Tips:click on the header selection/all don&apos;t choose</translation>
    </message>
    <message>
        <source>state</source>
        <translation>state</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
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
        <translation>SubNetwork(A)</translation>
    </message>
    <message>
        <source>MAC-Address(A)</source>
        <translation>MAC-Address(A)</translation>
    </message>
    <message>
        <source>SubNetwork(B)</source>
        <translation>SubNetwork(B)</translation>
    </message>
    <message>
        <source>MAC-Address(B)</source>
        <translation>MAC-Address(B)</translation>
    </message>
    <message>
        <source>AccessPoint - %1</source>
        <translation>AccessPoint - %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>A net&apos;s subNetWork can&apos;t empty.</source>
        <translation>A net&apos;s subNetWork can&apos;t empty.</translation>
    </message>
    <message>
        <source>B net&apos;s subNetWork can&apos;t empty.</source>
        <translation>B net&apos;s subNetWork can&apos;t empty.</translation>
    </message>
    <message>
        <source>Input addr is incomplete. addr = %1.</source>
        <translation>Input addr is incomplete. addr = %1.</translation>
    </message>
    <message>
        <source>The subNetWork can&apos;t the same.</source>
        <translation>The subNetWork can&apos;t the same.</translation>
    </message>
    <message>
        <source>The ip address can&apos;t the same.</source>
        <translation>The ip address can&apos;t the same.</translation>
    </message>
    <message>
        <source>The SubNetwork(A) can&apos;t empty.</source>
        <translation>The SubNetwork(A) can&apos;t empty.</translation>
    </message>
    <message>
        <source>The SubNetwork can&apos;t the same.</source>
        <translation>The SubNetwork can&apos;t the same.</translation>
    </message>
    <message>
        <source>The Mac-Address(A) can&apos;t empty.</source>
        <translation>The Mac-Address(A) can&apos;t empty.</translation>
    </message>
    <message>
        <source>The Mac-Address can&apos;t the same.</source>
        <translation>The Mac-Address can&apos;t the same.</translation>
    </message>
    <message>
        <source>Not found Communication, Please add back to the main window.</source>
        <translation>Not found Communication, Please add back to the main window.</translation>
    </message>
    <message>
        <source>Not found SubNetwork %1.</source>
        <translation>Not found SubNetwork %1.</translation>
    </message>
</context>
<context>
    <name>XmlWizardDataTypeTemplates</name>
    <message>
        <source>Revise - DataTypeTemplates</source>
        <translation>Revise - DataTypeTemplates</translation>
    </message>
    <message>
        <source>Compare in the ICD DataTypeTemplates in the content and SCD, found that do not agree to revise.</source>
        <translation>Compare in the ICD DataTypeTemplates in the content and SCD, found that do not agree to revise.</translation>
    </message>
    <message>
        <source>type</source>
        <translation>type</translation>
    </message>
    <message>
        <source>id name</source>
        <translation>id name</translation>
    </message>
    <message>
        <source>ignore icd</source>
        <translation>ignore icd</translation>
    </message>
    <message>
        <source>replace scd</source>
        <translation>replace scd</translation>
    </message>
    <message>
        <source>prefix</source>
        <translation>prefix</translation>
    </message>
    <message>
        <source>prefix name</source>
        <translation>prefix name</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Tips:click on the header selection/all don&apos;t choose</source>
        <translation>Tips:click on the header selection/all don&apos;t choose</translation>
    </message>
    <message>
        <source>Not found different type.</source>
        <translation>Not found different type.</translation>
    </message>
    <message>
        <source>ignore</source>
        <translation>ignore</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>replace</translation>
    </message>
    <message>
        <source>Not found the selected prefix.</source>
        <translation>Not found the selected prefix.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Please select operation of the %1.</source>
        <translation>Please select operation of the %1.</translation>
    </message>
    <message>
        <source>Please enter prefix name of the %1.</source>
        <translation>Please enter prefix name of the %1.</translation>
    </message>
</context>
<context>
    <name>XmlWizardFinish</name>
    <message>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Import ICD file process information, please confirm after finish ICD file import work.</source>
        <translation>Import ICD file process information, please confirm after finish ICD file import work.</translation>
    </message>
    <message>
        <source>Load:</source>
        <translation>Load:</translation>
    </message>
    <message>
        <source>Inspect:</source>
        <translation>Inspect:</translation>
    </message>
    <message>
        <source>ignore check.</source>
        <translation>ignore check.</translation>
    </message>
    <message>
        <source>AccessPoint:</source>
        <translation>AccessPoint:</translation>
    </message>
    <message>
        <source>Add ConnectedAP = %1 - %2.</source>
        <translation>Add ConnectedAP = %1 - %2.</translation>
    </message>
    <message>
        <source> IP: %1</source>
        <translation> IP: %1</translation>
    </message>
    <message>
        <source> MAC-Address: %1</source>
        <translation> MAC-Address: %1</translation>
    </message>
    <message>
        <source>DataTypeTemplates:</source>
        <translation>DataTypeTemplates:</translation>
    </message>
    <message>
        <source>LNodeTypes:</source>
        <translation>LNodeTypes:</translation>
    </message>
    <message>
        <source>DoTypes:</source>
        <translation>DoTypes:</translation>
    </message>
    <message>
        <source>DaTypes:</source>
        <translation>DaTypes:</translation>
    </message>
    <message>
        <source>EnumTypes:</source>
        <translation>EnumTypes:</translation>
    </message>
    <message>
        <source>insert:  %1</source>
        <translation>insert:  %1</translation>
    </message>
    <message>
        <source>ignore:  %1</source>
        <translation>ignore:  %1</translation>
    </message>
    <message>
        <source>replace: %1</source>
        <translation>replace: %1</translation>
    </message>
    <message>
        <source>prefix:  %1 to %2</source>
        <translation>prefix:  %1 to %2</translation>
    </message>
</context>
<context>
    <name>XmlWizardLoad</name>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Specify will load of ICD,CID,XML documents and information.</source>
        <translation>Specify will load of ICD,CID,XML documents and information.</translation>
    </message>
    <message>
        <source>Input IED name :</source>
        <translation>Input IED name :</translation>
    </message>
    <message>
        <source>example: PM2201</source>
        <translation>example: PM2201</translation>
    </message>
    <message>
        <source>Input IED desc :</source>
        <translation>Input IED desc :</translation>
    </message>
    <message>
        <source>example: 220kV #1 line protective device</source>
        <translation>example: 220kV #1 line protective device</translation>
    </message>
    <message>
        <source>Load file name :</source>
        <translation>Load file name :</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Load File</translation>
    </message>
    <message>
        <source>ICD files(*.icd);;All files(*.*)</source>
        <translation>ICD files(*.icd);;All files(*.*)</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>IED name %1 already exist, Please input again.</source>
        <translation>IED name %1 already exist, Please input again.</translation>
    </message>
    <message>
        <source>Please wait, SCL file parsing ......</source>
        <translation>Please wait, SCL file parsing ......</translation>
    </message>
    <message>
        <source>Load file %1 failed.</source>
        <translation>Load file %1 failed.</translation>
    </message>
</context>
<context>
    <name>attribute</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>This is required key, Value can&apos;t be empty.</source>
        <translation>This is required key, Value can&apos;t be empty.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>SCL Schema file load succeed.</source>
        <translation>SCL Schema file load succeed.</translation>
    </message>
</context>
<context>
    <name>nvProcess</name>
    <message>
        <source>Into SystemExec[%1,%2,%3].</source>
        <translation>Into SystemExec[%1,%2,%3].</translation>
    </message>
    <message>
        <source>File[%1] is not exists!</source>
        <translation>File[%1] is not exists!</translation>
    </message>
    <message>
        <source>File[%1] Permission denied!</source>
        <translation>File[%1] Permission denied!</translation>
    </message>
    <message>
        <source>CreateProcess returned %1!</source>
        <translation>CreateProcess returned %1!</translation>
    </message>
</context>
<context>
    <name>sclCommunication</name>
    <message>
        <source> Yellow is required </source>
        <translation> Yellow is required </translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>sclFcda</name>
    <message>
        <source>edit description of %1</source>
        <translation>edit description of %1</translation>
    </message>
</context>
<context>
    <name>sclHistory</name>
    <message>
        <source> Yellow is required </source>
        <translation> Yellow is required </translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>sclIed</name>
    <message>
        <source>Logic Device</source>
        <translation>Logic Device</translation>
    </message>
    <message>
        <source> Yellow is required </source>
        <translation> Yellow is required </translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Logic Node</source>
        <translation>Logic Node</translation>
    </message>
    <message>
        <source>Data Set</source>
        <translation>Data Set</translation>
    </message>
    <message>
        <source>GSE Control</source>
        <translation>GSE Control</translation>
    </message>
    <message>
        <source>SMV Control</source>
        <translation>SMV Control</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Report Control</source>
        <translation>Report Control</translation>
    </message>
    <message>
        <source>RptEnabled</source>
        <translation>RptEnabled</translation>
    </message>
    <message>
        <source>RptEnabled description</source>
        <translation>RptEnabled description</translation>
    </message>
    <message>
        <source>Log Control</source>
        <translation>Log Control</translation>
    </message>
</context>
<context>
    <name>sclInputs</name>
    <message>
        <source>Internal signal description</source>
        <translation>Internal signal description</translation>
    </message>
    <message>
        <source>External signal description</source>
        <translation>External signal description</translation>
    </message>
</context>
<context>
    <name>sclLog</name>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Critical</translation>
    </message>
    <message>
        <source>Fatal</source>
        <translation>Fatal</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>log column</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>log column</comment>
        <translation>Time</translation>
    </message>
    <message>
        <source>Message</source>
        <comment>log column</comment>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>sclReportControl</name>
    <message>
        <source>Modify record: name = %1, RptEnabled invalid.</source>
        <translation>Modify record: name = %1, RptEnabled invalid.</translation>
    </message>
    <message>
        <source>Modify record: name = %1, RptEnabled effective, max = %2, desc = %3.</source>
        <translation>Modify record: name = %1, RptEnabled effective, max = %2, desc = %3.</translation>
    </message>
    <message>
        <source>disable reports of %1</source>
        <translation>disable reports of %1</translation>
    </message>
</context>
<context>
    <name>sclSubNetwork</name>
    <message>
        <source> Yellow is required </source>
        <translation> Yellow is required </translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
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
        <translation>Message</translation>
    </message>
    <message>
        <source>This is required key, Value can&apos;t be empty.</source>
        <translation>This is required key, Value can&apos;t be empty.</translation>
    </message>
    <message>
        <source>objectItem invaild.</source>
        <translation>objectItem invaild.</translation>
    </message>
    <message>
        <source>, move up.</source>
        <translation>, move up.</translation>
    </message>
    <message>
        <source>, move down.</source>
        <translation>, move down.</translation>
    </message>
    <message>
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message>
        <source>Delete the element, whether to continue ?</source>
        <translation>Delete the element, whether to continue ?</translation>
    </message>
    <message>
        <source>, delete.</source>
        <translation>, delete.</translation>
    </message>
    <message>
        <source>move up %1</source>
        <translation>move up %1</translation>
    </message>
    <message>
        <source>move down %1</source>
        <translation>move down %1</translation>
    </message>
    <message>
        <source>delete %1</source>
        <translation>delete %1</translation>
    </message>
</context>
</TS>
