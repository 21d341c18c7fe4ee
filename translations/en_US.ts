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
<context>
    <name>EditNoteBoxPage</name>
    <message>
        <source>修改分类</source>
        <translation>Edit Category</translation>
    </message>
    <message>
        <source>新建分类</source>
        <translation>New Category</translation>
    </message>
    <message>
        <source>图标</source>
        <translation>Icon</translation>
    </message>
    <message>
        <source>选择图标</source>
        <translation>Choose Icon</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>必填</source>
        <translation>Required</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>请输入名称</source>
        <translation>Please enter a name</translation>
    </message>
</context>
<context>
    <name>EditNoteItemAttrPage</name>
    <message>
        <source>未分类</source>
        <translation>Uncategorized</translation>
    </message>
    <message>
        <source>便签属性</source>
        <translation>Note Attributes</translation>
    </message>
    <message>
        <source>安全</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>机密</source>
        <translation>Confidential</translation>
    </message>
    <message>
        <source>分类</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>选择分类</source>
        <translation>Choose Category</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>启用此功能需要设置PIN码，现在设置?</source>
        <translation>This feature needs a PIN. Set one now?</translation>
    </message>
    <message>
        <source>PIN码已修改</source>
        <translation>PIN changed</translation>
    </message>
</context>
<context>
    <name>EditNoteItemPage</name>
    <message>
        <source>编辑便签</source>
        <translation>Edit Note</translation>
    </message>
    <message>
        <source>新建便签</source>
        <translation>New Note</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>机密</source>
        <translation>Confidential</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>此便签已修改，是否保存?</source>
        <translation>This note has been changed. Save it?</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>放弃</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>启用此功能需要设置PIN码，现在设置?</source>
        <translation>This feature needs a PIN. Set one now?</translation>
    </message>
    <message>
        <source>点击修改属性</source>
        <translation>Tap to change attributes</translation>
    </message>
</context>
<context>
    <name>NoteBoxChoosePage</name>
    <message>
        <source>选择分类</source>
        <translation>Choose Category</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>NoteBoxView</name>
    <message>
        <source>长按可编辑</source>
        <translation>Press and hold to edit</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>长按可删除</source>
        <translation>Press and hold to delete</translation>
    </message>
</context>
<context>
    <name>NotePageMenu</name>
    <message>
        <source>添加分类</source>
        <translation>Add Category</translation>
    </message>
    <message>
        <source>添加便签</source>
        <translation>Add Note</translation>
    </message>
</context>
<context>
    <name>NotesPage</name>
    <message>
        <source>便签</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>此分类不可编辑</source>
        <translation>This category cannot be edited</translation>
    </message>
    <message>
        <source>此分类不可删除</source>
        <translation>This category cannot be deleted</translation>
    </message>
</context>
<context>
    <name>BackupPage</name>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>生成备份数据失败</source>
        <translation>Failed to create the backup</translation>
    </message>
    <message>
        <source>数据备份</source>
        <translation>Data Backup</translation>
    </message>
    <message>
        <source>点击“备份”按钮，输入“备份密码”，应用数据将加密并复制到剪贴板中。备份数据为文本格式，可粘贴到其它应用中，如记事本、邮件等。</source>
        <translation>Tap “Back Up” and enter a “backup password”: the app data is encrypted and copied to the clipboard. The backup is plain text and can be pasted into other apps, such as a text editor or an e-mail.</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Back Up</translation>
    </message>
    <message>
        <source>输入备份密码：</source>
        <translation>Enter the backup password:</translation>
    </message>
    <message>
        <source>备份成功</source>
        <translation>Backup Succeeded</translation>
    </message>
    <message>
        <source>备份数据已复制到剪贴板，请及时保存</source>
        <translation>The backup has been copied to the clipboard. Please save it soon.</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>RestorePage</name>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>请复制备份数据到剪贴板中</source>
        <translation>Please copy the backup to the clipboard</translation>
    </message>
    <message>
        <source>剪贴板中无有效的备份数据</source>
        <translation>No valid backup on the clipboard</translation>
    </message>
    <message>
        <source>备份密码错误</source>
        <translation>Wrong backup password</translation>
    </message>
    <message>
        <source>恢复备份失败</source>
        <translation>Failed to restore the backup</translation>
    </message>
    <message>
        <source>写入数据库错误</source>
        <translation>Error writing the database</translation>
    </message>
    <message>
        <source>恢复备份</source>
        <translation>Restore Backup</translation>
    </message>
    <message>
        <source>复制备份数据（文本格式）到剪贴板中，再点击</source>
        <translation>Copy the backup (plain text) to the clipboard, then tap </translation>
    </message>
    <message>
        <source>按钮，备份将恢复到应用中。此过程中会验证“备份密码”和“密保问题”。</source>
        <translation> to restore it into the app. The “backup password” and the “security questions” are checked on the way.</translation>
    </message>
    <message>
        <source>输入备份密码：</source>
        <translation>Enter the backup password:</translation>
    </message>
    <message>
        <source>是否恢复以下备份数据?</source>
        <translation>Restore the following backup?</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>修改时间: </source>
        <translation>Modified: </translation>
    </message>
    <message>
        <source>备份时间: </source>
        <translation>Backed up: </translation>
    </message>
    <message>
        <source>密码: </source>
        <translation>Passwords: </translation>
    </message>
    <message>
        <source>便签: </source>
        <translation>Notes: </translation>
    </message>
</context>
<context>
    <name>VerifyBackupQuestionPage</name>
    <message>
        <source>请输入密保答案</source>
        <translation>Please enter the security answers</translation>
    </message>
    <message>
        <source>密保答案不正确</source>
        <translation>Wrong security answers</translation>
    </message>
    <message>
        <source>验证备份密保</source>
        <translation>Verify Backup Security Questions</translation>
    </message>
    <message>
        <source>问题一</source>
        <translation>Question 1</translation>
    </message>
    <message>
        <source>答案</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>必填</source>
        <translation>Required</translation>
    </message>
    <message>
        <source>问题二</source>
        <translation>Question 2</translation>
    </message>
    <message>
        <source>验证</source>
        <translation>Verify</translation>
    </message>
</context>

<!-- area: cloud -->

<!-- area: help and settings -->

</TS>
