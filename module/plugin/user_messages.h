#pragma once

// The messages the user sees when the plug-in cannot start. Each ends with a
// line that names the support group.
inline constexpr char16_t kMissingCompanionMessage[] =
    u"错误码126，缺少dll，请将插件包中内容（包括1个dll文件和1个目录）全部复制到obs的plugins目录下，不要分开放置。"
    u"\r\n如需帮助，可加讨论群：517263840";
inline constexpr char16_t kRuntimeUnavailableMessage[] =
    u"错误码127，无法初始化环境，请检查.net framework 4.0 运行环境是否安装。"
    u"\r\n如需帮助，可加讨论群：517263840";
inline constexpr char16_t kRuntimeFaultMessage[] =
    u"错误码128，无法初始化环境，请检查.net framework 4.0 运行环境是否安装。"
    u"\r\n如果需要帮助，可加讨论群：517263840";
