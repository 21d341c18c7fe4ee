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
    <message>
        <source>无法读取密码库文件</source>
        <translation>Cannot read the vault file</translation>
    </message>
    <message>
        <source>密码库文件已损坏或不是密码库，文件保持原样，程序将退出：</source>
        <translation>The vault file is damaged or is not a vault. It has been left as it is, and the program will now exit:</translation>
    </message>
    <message>
        <source>密码库文件正被使用</source>
        <translation>The vault file is in use</translation>
    </message>
    <message>
        <source>密码库文件正被其他程序使用，文件保持原样，程序将退出：</source>
        <translation>The vault file is in use by another program. It has been left as it is, and the program will now exit:</translation>
    </message>
    <message>
        <source>无权读取密码库文件（%1），文件保持原样，程序将退出：</source>
        <translation>You may not read the vault file (%1). It has been left as it is, and the program will now exit:</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>无法打开已有的密码库</source>
        <translation>Cannot open the existing vault</translation>
    </message>
    <message>
        <source>此电脑上已有的密码库无法打开，已被保留。设置新的登录密码后，可在“设置”中恢复备份。</source>
        <translation>The vault already on this computer cannot be opened here; it has been kept. After you set a new login password, you can restore a backup in &quot;Settings&quot;.</translation>
    </message>
</context>
<!-- area: store -->

<!-- area: widgets -->
<context>
    <name>BoxChooseSheet</name>
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
    <name>CategoryRow</name>
    <message>
        <source>分类</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>选择分类</source>
        <translation>Choose</translation>
    </message>
</context>
<context>
    <name>BoxEditSheet</name>
    <message>
        <source>请输入名称</source>
        <translation>Please enter a name</translation>
    </message>
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
        <source>保存数据失败</source>
        <translation>Failed to save data</translation>
    </message>
</context>
<context>
    <name>ZVQRCodeCamera</name>
    <message>
        <source>将二维码放入框内</source>
        <translation>Place the QR code inside the frame</translation>
    </message>
</context>

<!-- area: popups and keypads -->
<context>
    <name>BottomPopupMenu</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>IconChoosePage</name>
    <message>
        <source>选择图标</source>
        <translation>Choose Icon</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>BoxMenu</name>
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
    <name>PromptMenu</name>
    <message>
        <source>长按可编辑</source>
        <translation>Press and hold to edit</translation>
    </message>
</context>
<context>
    <name>QuestionDialog</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>LineEdit</name>
    <message>
        <source>最多输入%1个字符</source>
        <translation>At most %1 characters</translation>
    </message>
</context>
<context>
    <name>ZVInputDialog</name>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>

<!-- area: frame, security, welcome and login -->
<context>
    <name>main</name>
    <message>
        <source>登录密码已修改</source>
        <translation>Login password changed</translation>
    </message>
    <message>
        <source>再按一次退出程序</source>
        <translation>Press again to exit</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>未分类</source>
        <translation>Uncategorized</translation>
    </message>
</context>
<context>
    <name>NavBar</name>
    <message>
        <source>密码</source>
        <translation>Passwords</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>岚匣密管</source>
        <translation>Keyloft</translation>
    </message>
    <message>
        <source>开始使用</source>
        <translation>Get started</translation>
    </message>
    <message>
        <source>&lt;style&gt;a:link{text-decoration:none;color:yellow}&lt;/style&gt;开始使用即代表您已同意&lt;a href="%1"&gt;《岚匣密管用户协议》&lt;/a&gt;和&lt;a href="%2"&gt;《岚匣密管隐私政策》&lt;/a&gt;</source>
        <translation>&lt;style&gt;a:link{text-decoration:none;color:yellow}&lt;/style&gt;By getting started you agree to the &lt;a href="%1"&gt;Keyloft User Agreement&lt;/a&gt; and the &lt;a href="%2"&gt;Keyloft Privacy Policy&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>LoginPage</name>
    <message>
        <source>密码被锁定，请点击</source>
        <translation>Password locked, tap </translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>Forgot password</translation>
    </message>
    <message>
        <source>进行重置</source>
        <translation> to reset it</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>Enter password</translation>
    </message>
    <message>
        <source>设置新密码</source>
        <translation>Set a new password</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Please enter a password</translation>
    </message>
    <message>
        <source>忘记密码？</source>
        <translation>Forgot password?</translation>
    </message>
</context>
<context>
    <name>CheckLoginPwdPage</name>
    <message>
        <source>验证密码</source>
        <translation>Verify password</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>Enter password</translation>
    </message>
</context>
<context>
    <name>ChangeLoginPwdPage</name>
    <message>
        <source>请输入新密码</source>
        <translation>Enter a new password</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Please enter a password</translation>
    </message>
    <message>
        <source>键盘输入</source>
        <translation>Keyboard input</translation>
    </message>
    <message>
        <source>数字键盘</source>
        <translation>Number pad</translation>
    </message>
</context>
<context>
    <name>NewPwdFlow</name>
    <message>
        <source>验证新密码</source>
        <translation>Confirm the new password</translation>
    </message>
    <message>
        <source>密码不匹配，请重新输入</source>
        <translation>Passwords do not match, please enter again</translation>
    </message>
    <message>
        <source>保存数据失败</source>
        <translation>Failed to save data</translation>
    </message>
</context>
<context>
    <name>CheckSecQuestionPage</name>
    <message>
        <source>验证密保</source>
        <translation>Verify security questions</translation>
    </message>
</context>
<context>
    <name>SecAnswersForm</name>
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
    <message>
        <source>请输入密保答案</source>
        <translation>Please enter the security answers</translation>
    </message>
    <message>
        <source>密保答案不正确</source>
        <translation>The security answers are wrong</translation>
    </message>
</context>
<context>
    <name>ChangeSecQuestionPage</name>
    <message>
        <source>必填</source>
        <translation>Required</translation>
    </message>
    <message>
        <source>下一步</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>修改密保</source>
        <translation>Change security questions</translation>
    </message>
    <message>
        <source>问题一</source>
        <translation>Question 1</translation>
    </message>
    <message>
        <source>如：母亲的名字</source>
        <translation>e.g. mother's name</translation>
    </message>
    <message>
        <source>答案</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>问题二</source>
        <translation>Question 2</translation>
    </message>
    <message>
        <source>如：儿时最好的玩伴名字</source>
        <translation>e.g. best childhood friend</translation>
    </message>
    <message>
        <source>请输入完整的信息</source>
        <translation>Please fill in all the fields</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Enter again</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>答案不匹配，请重新输入</source>
        <translation>Answers do not match, please enter again</translation>
    </message>
    <message>
        <source>保存数据失败</source>
        <translation>Failed to save data</translation>
    </message>
</context>
<context>
    <name>CheckPinCodePage</name>
    <message>
        <source>验证PIN码</source>
        <translation>Verify PIN</translation>
    </message>
    <message>
        <source>请输入PIN码</source>
        <translation>Enter the PIN</translation>
    </message>
</context>
<context>
    <name>ChangePinCodePage</name>
    <message>
        <source>请输入新PIN码</source>
        <translation>Enter a new PIN</translation>
    </message>
    <message>
        <source>修改PIN码</source>
        <translation>Change PIN</translation>
    </message>
    <message>
        <source>验证新PIN码</source>
        <translation>Confirm the new PIN</translation>
    </message>
    <message>
        <source>PIN码不匹配，请重新输入</source>
        <translation>PINs do not match, please enter again</translation>
    </message>
    <message>
        <source>保存数据失败</source>
        <translation>Failed to save data</translation>
    </message>
</context>

<!-- area: passwords -->
<context>
    <name>AutoBuildPwdPage</name>
    <message>
        <source>生成密码</source>
        <translation>Generate Password</translation>
    </message>
    <message>
        <source>字符</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>长度</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>重新生成</source>
        <translation>Regenerate</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>EditPwdItemPage</name>
    <message>
        <source>请输入账号</source>
        <translation>Please enter the account</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Please enter the password</translation>
    </message>
    <message>
        <source>无效的2FA密匙</source>
        <translation>Invalid 2FA key</translation>
    </message>
    <message>
        <source>编辑密码</source>
        <translation>Edit Password</translation>
    </message>
    <message>
        <source>添加密码</source>
        <translation>Add Password</translation>
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
        <source>图标</source>
        <translation>Icon</translation>
    </message>
    <message>
        <source>选择图标</source>
        <translation>Choose Icon</translation>
    </message>
    <message>
        <source>标签</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>选填</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>账号</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>必填</source>
        <translation>Required</translation>
    </message>
    <message>
        <source>启用2FA</source>
        <translation>Enable 2FA</translation>
    </message>
    <message>
        <source>扫二维码</source>
        <translation>Scan QR Code</translation>
    </message>
    <message>
        <source>输入密匙</source>
        <translation>Enter Key</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>令牌</source>
        <translation>Token</translation>
    </message>
    <message>
        <source>自动生成</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>请在移动端App中使用此功能</source>
        <translation>Please use this feature in the mobile app</translation>
    </message>
    <message>
        <source>输入2FA密匙：</source>
        <translation>Enter the 2FA key:</translation>
    </message>
    <message>
        <source>保存数据失败</source>
        <translation>Failed to save data</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>请在移动端App中使用此功能</source>
        <translation>Please use this feature in the mobile app</translation>
    </message>
    <message>
        <source>保存数据失败</source>
        <translation>Failed to save data</translation>
    </message>
</context>
<context>
    <name>PwdListPage</name>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>PwdPageMenu</name>
    <message>
        <source>添加分类</source>
        <translation>Add Category</translation>
    </message>
    <message>
        <source>添加密码</source>
        <translation>Add Password</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>Scan</translation>
    </message>
</context>
<context>
    <name>QRCodeScanPage</name>
    <message>
        <source>扫一扫</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>请在系统设置中开启"相机"权限。</source>
        <translation>Please allow access to the "Camera" in the system settings.</translation>
    </message>
</context>
<context>
    <name>ViewPwdItemPage</name>
    <message>
        <source>令牌</source>
        <translation>Token</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Copied</translation>
    </message>
    <message>
        <source>查看密码</source>
        <translation>View Password</translation>
    </message>
    <message>
        <source>安全</source>
        <translation>Security</translation>
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
        <source>图标</source>
        <translation>Icon</translation>
    </message>
    <message>
        <source>标签</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>账号</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
</context>

<!-- area: notes and backup -->
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
        <source>完成</source>
        <translation>Done</translation>
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
        <source>点击修改属性</source>
        <translation>Tap to change attributes</translation>
    </message>
    <message>
        <source>保存数据失败</source>
        <translation>Failed to save data</translation>
    </message>
</context>
<context>
    <name>PinKeyRequest</name>
    <message>
        <source>启用此功能需要设置PIN码，现在设置?</source>
        <translation>This feature needs a PIN. Set it now?</translation>
    </message>
    <message>
        <source>PIN码已修改</source>
        <translation>PIN changed</translation>
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
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>保存数据失败</source>
        <translation>Failed to save data</translation>
    </message>
</context>
<context>
    <name>BackupDrawer</name>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>输入备份密码：</source>
        <translation>Enter the backup password:</translation>
    </message>
</context>
<context>
    <name>BackupPage</name>
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
</context>
<context>
    <name>RestoreConfirmDialog</name>
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
        <source>验证备份密保</source>
        <translation>Verify Backup Security Questions</translation>
    </message>
</context>

<!-- area: cloud -->
<context>
    <name>CloudBackupPage</name>
    <message>
        <source>云备份</source>
        <translation>Cloud Backup</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>云备份服务已过期</source>
        <translation>The cloud backup service has expired</translation>
    </message>
</context>
<context>
    <name>CloudRequest</name>
    <message>
        <source>保存数据失败</source>
        <translation>Failed to save data</translation>
    </message>
    <message>
        <source>请求未能发出，请稍后再试</source>
        <translation>The request could not be sent. Please try again later.</translation>
    </message>
    <message>
        <source>数据错误: </source>
        <translation>Data error: </translation>
    </message>
    <message>
        <source>网络错误: </source>
        <translation>Network error: </translation>
    </message>
    <message>
        <source>错误: </source>
        <translation>Error: </translation>
    </message>
</context>
<context>
    <name>LoadUserInfoPage</name>
    <message>
        <source>启用此功能需要开启</source>
        <translation>This feature needs the </translation>
    </message>
    <message>
        <source>读取本机识别码</source>
        <translation>Read device identifier</translation>
    </message>
    <message>
        <source>权限?</source>
        <translation> permission. Grant it?</translation>
    </message>
    <message>
        <source>网络连接失败，请检查网络设置</source>
        <translation>Network connection failed, please check the network settings</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>Retry</translation>
    </message>
</context>
<context>
    <name>SmsCodeRows</name>
    <message>
        <source>%1秒后可重新发送</source>
        <translation>Resend in %1 s</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>Send Code</translation>
    </message>
    <message>
        <source>请稍后再试</source>
        <translation>Please try again later</translation>
    </message>
    <message>
        <source>输入6位验证码</source>
        <translation>Enter the 6-digit code</translation>
    </message>
    <message>
        <source>重新发送</source>
        <translation>Resend</translation>
    </message>
</context>
<context>
    <name>AccountSettingPage</name>
    <message>
        <source>云备份</source>
        <translation>Cloud Backup</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>注销账户</source>
        <translation>Close Account</translation>
    </message>
    <message>
        <source>账户设置</source>
        <translation>Account Settings</translation>
    </message>
    <message>
        <source>退出登录</source>
        <translation>Sign Out</translation>
    </message>
</context>
<context>
    <name>BackupDataPage</name>
    <message>
        <source>云备份</source>
        <translation>Cloud Backup</translation>
    </message>
    <message>
        <source>保存数据失败</source>
        <translation>Failed to save data</translation>
    </message>
    <message>
        <source>备份已恢复</source>
        <translation>Backup restored</translation>
    </message>
    <message>
        <source>备份数据解密失败</source>
        <translation>Failed to decrypt the backup</translation>
    </message>
    <message>
        <source>备份记录</source>
        <translation>Backup Records</translation>
    </message>
    <message>
        <source>无效的备份记录</source>
        <translation>Invalid backup record</translation>
    </message>
    <message>
        <source>点击“下载”按钮，下载云端备份并恢复到应用中。</source>
        <translation>Tap “Download” to download a cloud backup and restore it into the app.</translation>
    </message>
</context>
<context>
    <name>BackupRecordPanel</name>
    <message>
        <source>下载</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>备份时间</source>
        <translation>Backed up</translation>
    </message>
    <message>
        <source>备份设备</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>密码%1，便签%2</source>
        <translation>%1 passwords, %2 notes</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>CloseCloudAccountPage</name>
    <message>
        <source>无效的验证码</source>
        <translation>Invalid code</translation>
    </message>
    <message>
        <source>注销账户</source>
        <translation>Close Account</translation>
    </message>
    <message>
        <source>注销账户后，云端备份数据将清空，同时会删除账户信息。设备中的数据将会保留。</source>
        <translation>Closing the account deletes its cloud backups and the account information. The data on this device is kept.</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Please enter the code</translation>
    </message>
    <message>
        <source>账户设置</source>
        <translation>Account Settings</translation>
    </message>
</context>
<context>
    <name>DeviceListPage</name>
    <message>
        <source>云备份</source>
        <translation>Cloud Backup</translation>
    </message>
    <message>
        <source>授权设备</source>
        <translation>Authorised Devices</translation>
    </message>
    <message>
        <source>点击“移除”按钮，可关闭该设备的云备份服务。</source>
        <translation>Tap “Remove” to end the cloud backup of that device.</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>移除设备 </source>
        <translation>Remove device </translation>
    </message>
</context>
<context>
    <name>DeviceListPanel</name>
    <message>
        <source>授权日期</source>
        <translation>Authorised on</translation>
    </message>
    <message>
        <source>本设备</source>
        <translation>This device</translation>
    </message>
    <message>
        <source>移除设备</source>
        <translation>Remove Device</translation>
    </message>
    <message>
        <source>设备名称</source>
        <translation>Device name</translation>
    </message>
</context>
<context>
    <name>ImportCloudBackupPage</name>
    <message>
        <source>无效的备份记录</source>
        <translation>Invalid backup record</translation>
    </message>
    <message>
        <source>写入数据库错误</source>
        <translation>Error writing the database</translation>
    </message>
    <message>
        <source>备份已下载，输入密保答案，还原备份到设备中。注意，现有数据将被覆盖。</source>
        <translation>The backup was downloaded. Enter the security answers to restore it to this device. Note: the current data will be overwritten.</translation>
    </message>
    <message>
        <source>备份记录</source>
        <translation>Backup Records</translation>
    </message>
    <message>
        <source>密保答案不正确</source>
        <translation>Wrong security answers</translation>
    </message>
    <message>
        <source>必填</source>
        <translation>Required</translation>
    </message>
    <message>
        <source>恢复备份</source>
        <translation>Restore Backup</translation>
    </message>
    <message>
        <source>恢复备份失败</source>
        <translation>Failed to restore the backup</translation>
    </message>
    <message>
        <source>答案</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>请输入密保答案</source>
        <translation>Please enter the security answers</translation>
    </message>
    <message>
        <source>问题一</source>
        <translation>Question 1</translation>
    </message>
    <message>
        <source>问题二</source>
        <translation>Question 2</translation>
    </message>
</context>
<context>
    <name>UserInfoPage</name>
    <message>
        <source>云账号</source>
        <translation>Cloud account</translation>
    </message>
    <message>
        <source>保存数据失败</source>
        <translation>Failed to save data</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>备份完成</source>
        <translation>Backup completed</translation>
    </message>
    <message>
        <source>备份已是最新</source>
        <translation>The backup is up to date</translation>
    </message>
    <message>
        <source>备份数据需要设置密保问题，是否设置？</source>
        <translation>Backups need security questions. Set them now?</translation>
    </message>
    <message>
        <source>备份时间</source>
        <translation>Backed up</translation>
    </message>
    <message>
        <source>备份记录</source>
        <translation>Backup Records</translation>
    </message>
    <message>
        <source>授权设备</source>
        <translation>Authorised Devices</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>服务期限</source>
        <translation>Service until</translation>
    </message>
    <message>
        <source>生成备份数据失败</source>
        <translation>Failed to create the backup</translation>
    </message>
    <message>
        <source>立即备份</source>
        <translation>Back Up Now</translation>
    </message>
    <message>
        <source>续期</source>
        <translation>Renew</translation>
    </message>
    <message>
        <source>请在移动端App中续期</source>
        <translation>Please renew in the mobile app</translation>
    </message>
    <message>
        <source>账号设置</source>
        <translation>Account Settings</translation>
    </message>
</context>
<context>
    <name>CountryChoosePage</name>
    <message>
        <source>国家和地区</source>
        <translation>Country or Region</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>PayButtonPanel</name>
    <message>
        <source>微信</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>支付宝</source>
        <translation>Alipay</translation>
    </message>
</context>
<context>
    <name>PhoneNumberInputPage</name>
    <message>
        <source>国家和地区</source>
        <translation>Country or Region</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>继续</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>自动备份应用数据到云存储（全栈加密），可支持多个设备的备份和还原。</source>
        <translation>Back up the app's data to cloud storage automatically (encrypted end to end), with backup and restore across several devices.</translation>
    </message>
    <message>
        <source>请在移动端App中开启此功能</source>
        <translation>Please turn this feature on in the mobile app</translation>
    </message>
    <message>
        <source>请输入手机号码</source>
        <translation>Please enter a phone number</translation>
    </message>
    <message>
        <source>请输入有效的手机号</source>
        <translation>Please enter a valid phone number</translation>
    </message>
</context>
<context>
    <name>RechargeChoosePage</name>
    <message>
        <source>充值成功</source>
        <translation>Payment completed</translation>
    </message>
    <message>
        <source>获取产品列表失败</source>
        <translation>Failed to get the product list</translation>
    </message>
    <message>
        <source>App内购买项目被禁用</source>
        <translation>In-app purchases are disabled</translation>
    </message>
    <message>
        <source>去付款</source>
        <translation>Pay</translation>
    </message>
    <message>
        <source>发起徽信支付失败</source>
        <translation>Failed to start WeChat Pay</translation>
    </message>
    <message>
        <source>发起支付宝支付失败</source>
        <translation>Failed to start Alipay</translation>
    </message>
    <message>
        <source>备份服务</source>
        <translation>Backup service</translation>
    </message>
    <message>
        <source>安装</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>微信App</source>
        <translation>WeChat app</translation>
    </message>
    <message>
        <source>支付失败</source>
        <translation>Payment failed</translation>
    </message>
    <message>
        <source>支付宝App</source>
        <translation>Alipay app</translation>
    </message>
    <message>
        <source>支付已取消</source>
        <translation>Payment cancelled</translation>
    </message>
    <message>
        <source>支付方式</source>
        <translation>Payment method</translation>
    </message>
    <message>
        <source>支付未完成，请稍后在云备份页面查看</source>
        <translation>Payment not completed yet; please check again later on the cloud backup page</translation>
    </message>
    <message>
        <source>需要安装</source>
        <translation>Install the </translation>
    </message>
    <message>
        <source>，前往 App Store 安装?</source>
        <translation> from the App Store?</translation>
    </message>
</context>
<context>
    <name>SmsCodeInputPage</name>
    <message>
        <source>如需帮助，请发送邮件：</source>
        <translation>For help, please write to: </translation>
    </message>
    <message>
        <source>已经超出授权设备数，请在已登录设备中移除未使用的设备后，再试。</source>
        <translation>Too many authorised devices. Remove an unused device on a signed-in device, then try again.</translation>
    </message>
    <message>
        <source>无效的验证码</source>
        <translation>Invalid code</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Sign In</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Sign-in failed</translation>
    </message>
    <message>
        <source>续期未完成，请稍后登录</source>
        <translation>Renewal not completed yet, please sign in later</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Please enter the code</translation>
    </message>
</context>

<!-- area: help and settings -->
<context>
    <name>SettingPage</name>
    <message>
        <source>PIN码</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>PIN码已修改</source>
        <translation>PIN changed</translation>
    </message>
    <message>
        <source>保存数据失败</source>
        <translation>Failed to save data</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>备份数据需要设置密保问题，现在设置？</source>
        <translation>Backing up data requires security questions. Set them now?</translation>
    </message>
    <message>
        <source>夜间模式</source>
        <translation>Dark Mode</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>密保问题</source>
        <translation>Security Questions</translation>
    </message>
    <message>
        <source>密保问题已修改</source>
        <translation>Security questions changed</translation>
    </message>
    <message>
        <source>已设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>恢复备份</source>
        <translation>Restore Backup</translation>
    </message>
    <message>
        <source>成功导入备份数据</source>
        <translation>Backup data imported</translation>
    </message>
    <message>
        <source>数据备份</source>
        <translation>Back Up Data</translation>
    </message>
    <message>
        <source>数据已清除，点击“完成”后退出应用</source>
        <translation>Data cleared. Tap &quot;Done&quot; to quit the app.</translation>
    </message>
    <message>
        <source>数据清除后，不可恢复，是否继续？</source>
        <translation>Cleared data cannot be recovered. Continue?</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>未设置</source>
        <translation>Not set</translation>
    </message>
    <message>
        <source>清除应用数据</source>
        <translation>Clear App Data</translation>
    </message>
    <message>
        <source>清除数据失败</source>
        <translation>Failed to clear data</translation>
    </message>
    <message>
        <source>登录密码</source>
        <translation>Login Password</translation>
    </message>
    <message>
        <source>登录密码已修改</source>
        <translation>Login password changed</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>云备份</source>
        <translation>Cloud Backup</translation>
    </message>
    <message>
        <source>已开启</source>
        <translation>On</translation>
    </message>
    <message>
        <source>未开启</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>HelpMainPage</name>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>帮助目录格式错误</source>
        <translation>the help index has the wrong format</translation>
    </message>
    <message>
        <source>网络连接失败，请检查网络设置</source>
        <translation>Network connection failed, please check your network settings</translation>
    </message>
</context>
<context>
    <name>HelpItemPage</name>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>网络请求失败，请检查网络设置</source>
        <translation>Network request failed, please check your network settings</translation>
    </message>
</context>
<context>
    <name>AgreementShowPage</name>
    <message>
        <source>同意</source>
        <translation>Agree</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>网络请求失败，请检查网络设置</source>
        <translation>Network request failed, please check your network settings</translation>
    </message>
</context>
<context>
    <name>AboutPage</name>
    <message>
        <source>QQ空间</source>
        <translation>QZone</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>分享应用</source>
        <translation>Share App</translation>
    </message>
    <message>
        <source>岚匣密管</source>
        <translation>Keyloft</translation>
    </message>
    <message>
        <source>微信</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>More</translation>
    </message>
    <message>
        <source>朋友圈</source>
        <translation>Moments</translation>
    </message>
    <message>
        <source>用户协议</source>
        <translation>User Agreement</translation>
    </message>
    <message>
        <source>钉钉</source>
        <translation>DingTalk</translation>
    </message>
    <message>
        <source>隐私政策</source>
        <translation>Privacy Policy</translation>
    </message>
</context>
<context>
    <name>AppSharePopupMenu</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>微信</source>
        <translation>WeChat</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>More</translation>
    </message>
    <message>
        <source>朋友圈</source>
        <translation>Moments</translation>
    </message>
</context>
<context>
    <name>WebDrawerPage</name>
    <message>
        <source>网络请求失败，请检查网络设置</source>
        <translation>Network request failed, please check your network settings</translation>
    </message>
</context>

</TS>
