#include "platform/dark_title_bar.h"

#include <QGuiApplication>
#include <QLibrary>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>

void SetDarkTitleBar(QWidget *window, bool enable)
{
    // The desktop window manager's attribute 20 asks for the dark caption.
    using SetAttribute = long(__stdcall *)(HWND, unsigned long, const void *, unsigned long);
    static const auto setAttribute = reinterpret_cast<SetAttribute>(
        QLibrary::resolve(QStringLiteral("dwmapi"), "DwmSetWindowAttribute"));
    if (window && setAttribute) {
        const int value = enable ? 1 : 0;
        setAttribute(reinterpret_cast<HWND>(window->winId()), 20, &value, sizeof value);
    }
}

#else

namespace {

// The few X protocol calls needed, bound by name from libxcb on first use.
struct XcbCalls
{
    struct Cookie { unsigned int sequence; };
    struct AtomReply
    {
        std::uint8_t responseType, pad;
        std::uint16_t sequence;
        std::uint32_t length;
        std::uint32_t atom;
    };
    using InternAtom = Cookie (*)(xcb_connection_t *, std::uint8_t, std::uint16_t, const char *);
    using InternAtomReply = AtomReply *(*)(xcb_connection_t *, Cookie, void **);
    using ChangeProperty = Cookie (*)(xcb_connection_t *, std::uint8_t, std::uint32_t,
                                      std::uint32_t, std::uint32_t, std::uint8_t, std::uint32_t,
                                      const void *);
    using Flush = int (*)(xcb_connection_t *);

    InternAtom internAtom = nullptr;
    InternAtomReply internAtomReply = nullptr;
    ChangeProperty changeProperty = nullptr;
    Flush flush = nullptr;

    bool load()
    {
        QLibrary xcb(QStringLiteral("xcb"), 1);
        internAtom = reinterpret_cast<InternAtom>(xcb.resolve("xcb_intern_atom"));
        internAtomReply = reinterpret_cast<InternAtomReply>(xcb.resolve("xcb_intern_atom_reply"));
        changeProperty = reinterpret_cast<ChangeProperty>(xcb.resolve("xcb_change_property"));
        flush = reinterpret_cast<Flush>(xcb.resolve("xcb_flush"));
        return internAtom && internAtomReply && changeProperty && flush;
    }

    std::uint32_t atom(xcb_connection_t *connection, const char *name) const
    {
        AtomReply *reply = internAtomReply(
            connection, internAtom(connection, 0, std::uint16_t(std::strlen(name)), name), nullptr);
        if (!reply)
            return 0;
        const std::uint32_t value = reply->atom;
        std::free(reply);
        return value;
    }
};

} // namespace

void SetDarkTitleBar(QWidget *window, bool enable)
{
    // Window managers that follow the GTK convention draw the dark variant of their
    // decorations for windows whose _GTK_THEME_VARIANT property reads "dark".
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!window || !x11 || !x11->connection())
        return;
    static XcbCalls xcb;
    static const bool loaded = xcb.load();
    if (!loaded)
        return;
    xcb_connection_t *connection = x11->connection();
    const std::uint32_t property = xcb.atom(connection, "_GTK_THEME_VARIANT");
    const std::uint32_t utf8 = xcb.atom(connection, "UTF8_STRING");
    if (!property || !utf8)
        return;
    const char *variant = enable ? "dark" : "light";
    constexpr std::uint8_t replace = 0;
    xcb.changeProperty(connection, replace, std::uint32_t(window->winId()), property, utf8, 8,
                       std::uint32_t(std::strlen(variant)), variant);
    xcb.flush(connection);
}

#endif
