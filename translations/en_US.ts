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
    <name>BoxChoosePage</name>
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
    <name>EditPwdBoxPage</name>
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
        <source>分类</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>选择分类</source>
        <translation>Choose Category</translation>
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
        <source>启用此功能需要设置PIN码，现在设置?</source>
        <translation>This feature needs a PIN. Set it now?</translation>
    </message>
    <message>
        <source>PIN码已修改</source>
        <translation>PIN changed</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>密码</source>
        <translation>Password</translation>
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
        <source>请在移动端App中使用此功能</source>
        <translation>Please use this feature in the mobile app</translation>
    </message>
    <message>
        <source>此分类不可删除</source>
        <translation>This category cannot be deleted</translation>
    </message>
    <message>
        <source>此分类不可编辑</source>
        <translation>This category cannot be edited</translation>
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
        <source>分类</source>
        <translation>Category</translation>
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

<!-- area: cloud -->

<!-- area: help and settings -->

</TS>
