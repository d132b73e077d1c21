/*
** Boxes of the GUI stand-in that wait for the user: message boxes and yes/no questions, the
** in-place editors of texts and numbers, pop-up menus, the special-character table and the help
** viewer with its help files ("#TOPIC key" lines start a topic).
*/
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/runtime.h"
#include "platform/zelkwin_sheet.h"

int LAST_SHEET_EDIT_KEY = 0;

namespace zw {

struct Message_State {
    std::string title;
    int symbol = -1;
    std::vector<std::string> lines;
    bool shown = false;
    Saved_Rect shown_rect{0, 0, -1, -1, {}};
};

static Message_State &Msg()
{
    static Message_State m;
    return m;
}

static std::map<std::string, std::vector<std::string>> &Help_Topics()
{
    static std::map<std::string, std::vector<std::string>> t;
    return t;
}

static int edit_scroll_max = 0;

/* The files already named by Say_File_Unreadable, with their reasons. */
static std::set<std::string> &Unreadable_Said()
{
    static std::set<std::string> said;
    return said;
}

void Boxes_Reset()
{
    Msg() = Message_State();
    edit_scroll_max = 0;
    Unreadable_Said().clear();
}

static std::string Joined(const std::vector<std::string> &lines)
{
    std::string s;
    for (size_t i = 0; i < lines.size(); i++) {
        if (i) s += " | ";
        s += To_Utf8(lines[i].c_str(), -1);
    }
    return s;
}

struct Box {
    int x1, y1, x2, y2;
    std::vector<std::pair<std::string, std::pair<int, int>>> buttons; /* label, x1..x2 */
    int by1, by2;
    Saved_Rect under;
};

static void Save_Under(Box &b)
{
    b.under = Saved_Rect{std::max(0, b.x1),
                         std::max(0, b.y1),
                         std::min(NPIXEL_X - 1, b.x2),
                         std::min(NPIXEL_Y - 1, b.y2),
                         {}};
    b.under.pixels.resize((size_t)(b.under.x2 - b.under.x1 + 1)
                          * (size_t)(b.under.y2 - b.under.y1 + 1));
    pxSvRc(b.under.x1, b.under.y1, b.under.x2, b.under.y2, b.under.pixels.data());
}

static void Restore_Under(Box &b)
{
    if (!b.under.pixels.empty())
        pxStRc(b.under.x1, b.under.y1, b.under.x2, b.under.y2, b.under.pixels.data());
    Present();
}

static void Draw_Symbol_Icon(int symbol, int x, int y)
{
    static const char *marks[] = {"?", "i", "!", "X"};
    static const uint32_t cols[] = {0x1060C0, 0x1060C0, 0xD0A000, 0xC01010};
    if (symbol < 0 || symbol > 3) return;
    int old = pxQFgc();
    uint32_t c = cols[symbol];
    pxFgc(Nearest_RGB_Color((c >> 16) & 255, (c >> 8) & 255, c & 255));
    int xs[12], ys[12];
    for (int i = 0; i < 12; i++) {
        xs[i] = x + 12 + (int)lround(12 * cos(i * M_PI / 6));
        ys[i] = y + 12 + (int)lround(12 * sin(i * M_PI / 6));
    }
    pxFill(12, xs, ys);
    pxFgc(old);
    int w = Text_Width(marks[symbol], 0x11000);
    Text_Rgb(x + 12 - w / 2, y + 17, marks[symbol], 0xFFFFFF, 0x11000);
}

/* The title of a message box without a title of its own: what it is, by its symbol. */
static std::string Message_Title(const std::string &own, int symbol)
{
    if (!own.empty()) return own;
    return symbol == 3 ? "Fehler" : symbol == 2 ? "Warnung" : "Hinweis";
}

/* Lays out and draws a box with the title, the symbol, the lines and the buttons. */
static Box Open_Box(const std::string &own_title, int symbol, const std::vector<std::string> &lines,
                    const std::vector<std::string> &buttons)
{
    /* a question without a title of its own bears the program's */
    const std::string &title = own_title.empty() ? St().window_title : own_title;
    int w = Text_Width(title.c_str(), 0x11000) + 40;
    for (auto &l : lines) w = std::max(w, Text_Width(l.c_str(), 0x1000) + (symbol >= 0 ? 70 : 40));
    int bw = 0;
    for (auto &b : buttons) bw += std::max(70, Text_Width(b.c_str(), 0x1000) + 20) + 10;
    w = std::max(w, std::max(260, bw + 30));
    w = std::min(w, NPIXEL_X - 20);
    int h = 33 + std::max((int)lines.size() * 16, symbol >= 0 ? 30 : 0) + 16
            + (buttons.empty() ? 8 : 36);
    h = std::min(h, NPIXEL_Y - 20);
    Box b;
    b.x1 = (NPIXEL_X - w) / 2;
    b.y1 = (NPIXEL_Y - h) / 2;
    b.x2 = b.x1 + w - 1;
    b.y2 = b.y1 + h - 1;
    Save_Under(b);
    int ov[4];
    pxQVwp(&ov[0], &ov[1], &ov[2], &ov[3]);
    Set_Clip_Full();
    Fill_Rect_Rgb(b.x1, b.y1, b.x2, b.y2, Colour_Rgb(BACKGROUND_CI));
    Bevel(b.x1, b.y1, b.x2, b.y2, true);
    Fill_Rect_Rgb(b.x1 + 3, b.y1 + 3, b.x2 - 3, b.y1 + 24, Colour_Rgb(TITLE_CI));
    if (!title.empty()) Text_Rgb(b.x1 + 10, b.y1 + 18, title.c_str(), 0xFFFFFF, 0x11000);
    int tx = b.x1 + 16;
    if (symbol >= 0) {
        Draw_Symbol_Icon(symbol, b.x1 + 14, b.y1 + 38);
        tx = b.x1 + 52;
    }
    int ty = b.y1 + 33 + 14;
    pxView(b.x1 + 4, b.y1 + 26, b.x2 - 4, b.y2 - 4);
    for (auto &l : lines) {
        Text_Rgb(tx, ty, l.c_str(), 0x000000, 0x1000);
        ty += 16;
    }
    b.by1 = b.y2 - 32;
    b.by2 = b.y2 - 10;
    int bx = (b.x1 + b.x2 + 1 - (bw - 10)) / 2;
    for (auto &l : buttons) {
        int bwid = std::max(70, Text_Width(l.c_str(), 0x1000) + 20);
        Draw_Button_Face(bx, b.by1, bx + bwid - 1, b.by2, false, true);
        Text_Rgb(bx + (bwid - Text_Width(l.c_str(), 0x1000)) / 2, b.by2 - 6, l.c_str(), 0x000000,
                 0x1000);
        b.buttons.push_back({l, {bx, bx + bwid - 1}});
        bx += bwid + 10;
    }
    pxView(ov[0], ov[1], ov[2], ov[3]);
    Present();
    return b;
}

/* Waits for a choice in the box: the index of a button, -1 for cancel (Esc, "answer cancel"),
** -2 when the window was closed. yes/no answers map to buttons 0 and 1; Enter gives dflt.
** Headless, an event meant for something else is left in the queue and dflt answered. */
static int Wait_Box(Box &b, int dflt)
{
    State &s = St();
    for (;;) {
        Event ev;
        Next_Event(&ev, true, -1);
        switch (ev.type) {
        case EV_CLOSE: return -2;
        case EV_ANSWER:
            if (ev.text == "yes") return 0;
            if (ev.text == "no") return b.buttons.size() > 1 ? 1 : 0;
            return -1;
        case EV_KEY:
            if (ev.key == 13) return dflt;
            if (ev.key == 27) return -1;
            if (b.buttons.size() > 1
                && (ev.key == 'j' || ev.key == 'J' || ev.key == 'y' || ev.key == 'Y'))
                return 0;
            if (b.buttons.size() > 1 && (ev.key == 'n' || ev.key == 'N')) return 1;
            if (s.headless) {
                s.queue.push_front(ev);
                return dflt;
            }
            break;
        case EV_DOWN:
            if (M_YPOS >= b.by1 && M_YPOS <= b.by2)
                for (size_t i = 0; i < b.buttons.size(); i++)
                    if (M_XPOS >= b.buttons[i].second.first && M_XPOS <= b.buttons[i].second.second)
                        return (int)i;
            if (s.headless
                && !(M_XPOS >= b.x1 && M_XPOS <= b.x2 && M_YPOS >= b.y1 && M_YPOS <= b.y2)) {
                s.queue.push_front(ev);
                return dflt;
            }
            break;
        case EV_MOVE:
        case EV_UP:
        case EV_WHEEL:
        case EV_SLEEP:
            if (s.headless) {
                /* a move that leads to a click inside the box belongs to the box */
                if (ev.type == EV_MOVE && !s.queue.empty() && s.queue.front().type == EV_DOWN
                    && ev.x >= b.x1 && ev.x <= b.x2 && ev.y >= b.y1 && ev.y <= b.y2)
                    break;
                if (ev.type == EV_UP) break;
                s.queue.push_front(ev);
                return dflt;
            }
            break;
        default: break;
        }
    }
}

/* ---------------------------------------------------------------- in-place editing */

/* The editing loop of both in-place editors. The old text starts selected: the first typed
** character replaces it, a cursor key keeps it. The cursor moves with Left, Right, Home and End;
** Backspace and Del delete before and at the cursor. Answers 1 for Enter, Tab or Down, 0 for Up,
** Shift+Tab, a click outside, a wheel step, Page Up, Page Down, Ctrl+Home or Ctrl+End (each left
** in the queue for what lies below) or a close, -1 for Esc. */
/* What the last Short_Edit_Float was left with as typed, and of it what it did not take. */
static std::string Float_Typed;
static std::string Float_Refused;
/* The text of the editor that is open, null while none is. */
static const std::string *Open_Text = nullptr;

static int Edit_Loop(int x, int y, std::string &text, int visible, int max_len, bool number)
{
    State &s = St();
    /* (x, y) lies one pixel above and left of the field's frame: the box covers the field, and
  ** the text stands where the field shows it (8 pixels in, base line 14 below). */
    int w = visible * 8 + 6;
    int bx1 = x + 1, by1 = y + 1, bx2 = x + 8 + w, by2 = y + 19;
    x += 8;
    y += 14;
    Box under;
    under.x1 = bx1;
    under.y1 = by1;
    under.x2 = bx2;
    under.y2 = by2;
    Save_Under(under);
    /* what is typed so far, for an end without the user while the field is open */
    struct Open_Guard {
        Open_Guard(const std::string *t) { Open_Text = t; }
        ~Open_Guard() { Open_Text = nullptr; }
    } open_guard(&text);
    /* a character the code page lacks is named when the field is left, so that the keys typed
    ** after it stay in the field */
    Hold_Typed_Hints(1);
    bool selected = true;
    size_t pos = text.size();
    int result = 0;
    auto draw = [&]() {
        int ov[4];
        pxQVwp(&ov[0], &ov[1], &ov[2], &ov[3]);
        pxView(bx1, by1, bx2, by2);
        Fill_Rect_Rgb(bx1, by1, bx2, by2, 0xFFFFFF);
        Frame_Rect(bx1, by1, bx2, by2, BLACK_CI);
        int tw = Text_Width(text.c_str(), 0x1000);
        int cw = Text_Width(text.substr(0, pos).c_str(), 0x1000);
        int shift = cw > w - 6 ? cw - (w - 6) : 0;
        if (selected && !text.empty())
            Fill_Rect_Rgb(x - shift, by1 + 2, x - shift + tw, by2 - 2, 0x99B4D1);
        Text_Rgb(x - shift, y, text.c_str(), 0x000000, 0x1000);
        Fill_Rect_Rgb(x - shift + cw, by1 + 3, x - shift + cw, by2 - 3, 0x0000FF);
        pxView(ov[0], ov[1], ov[2], ov[3]);
        Present();
    };
    draw();
    for (;;) {
        Event ev;
        Next_Event(&ev, true, -1);
        if (ev.type == EV_CLOSE) {
            result = 0;
            break;
        }
        if (ev.type == EV_DOWN) {
            if (M_XPOS < bx1 || M_XPOS > bx2 || M_YPOS < by1 || M_YPOS > by2) {
                s.queue.push_front(ev);
                M_LEFT = M_RIGHT = 0;
                result = 0;
                break;
            }
            selected = false;
            draw();
            continue;
        }
        if (ev.type == EV_WHEEL) {
            /* the content below is about to move: the field ends as at a click outside, and the
            ** wheel is passed on where the pointer is (a caller may have moved it since) */
            if (s.wheel_on) M_SCROLL -= ev.key;
            s.queue.push_front(ev);
            Event at;
            at.type = EV_MOVE;
            at.x = M_XPOS;
            at.y = M_YPOS;
            s.queue.push_front(at);
            result = 0;
            break;
        }
        if (ev.type != EV_KEY) continue;
        int k = ev.key;
        if (k == KEY_PGUP || k == KEY_PGDN || k == KEY_CTRL_HOME || k == KEY_CTRL_END) {
            /* keys that move the table the field stands in: the field ends and passes them on */
            s.queue.push_front(ev);
            result = 0;
            break;
        }
        if (k == 13 || k == 9 || k == KEY_DOWN) {
            result = 1;
            LAST_SHEET_EDIT_KEY = k;
            break;
        }
        if (k == 27) {
            result = -1;
            LAST_SHEET_EDIT_KEY = k;
            break;
        }
        if (k == KEY_UP || k == KEY_SHIFT_TAB) {
            result = 0;
            LAST_SHEET_EDIT_KEY = k;
            break;
        }
        if (k == KEY_LEFT) {
            if (pos > 0) pos--;
        } else if (k == KEY_RIGHT) {
            if (pos < text.size()) pos++;
        } else if (k == KEY_HOME) {
            pos = 0;
        } else if (k == KEY_END) {
            pos = text.size();
        } else if (k == 8) {
            if (selected) {
                text.clear();
                pos = 0;
            } else if (pos > 0) {
                text.erase(--pos, 1);
            }
        } else if (k == KEY_DEL) {
            if (selected) {
                text.clear();
                pos = 0;
            } else if (pos < text.size()) {
                text.erase(pos, 1);
            }
        } else if (k >= 32 && k < 256 && k != 127) {
            /* a number field shows what is typed, letters too: what is no number is told
            ** when the field is left, as it was typed */
            if (selected) {
                text.clear();
                pos = 0;
            }
            if ((int)text.size() < max_len) text.insert(pos++, 1, (char)k);
        } else {
            continue;
        }
        selected = false;
        draw();
    }
    /* the hint stands over the field as it was left */
    Hold_Typed_Hints(0);
    Restore_Under(under);
    return result;
}

} // namespace zw

using namespace zw;

/* ---------------------------------------------------------------- messages */

void Init_Message(void)
{
    Ensure_Init();
    Msg().title.clear();
    Msg().symbol = -1;
    Msg().lines.clear();
}

void Set_Message_Symbol(int symbol, int a, int b, int c)
{
    (void)a;
    (void)b;
    (void)c;
    Msg().symbol = symbol >= 0 && symbol <= 3 ? symbol : -1;
}

void Set_Message_Title(const char *title) { Msg().title = title ? title : ""; }

void Fill_Message(const char *line)
{
    if (Msg().lines.size() < 40) Msg().lines.push_back(line ? line : "");
}

int Draw_Message(void)
{
    Ensure_Init();
    Message_State &m = Msg();
    Log_Line("MESSAGE [" + To_Utf8(m.title.c_str(), -1) + "] " + Joined(m.lines));
    Box b = Open_Box(Message_Title(m.title, m.symbol), m.symbol, m.lines, {"OK"});
    Wait_Box(b, 0);
    Restore_Under(b);
    return 1;
}

/* A word for the characters that are typed most often and that code page 850 lacks. */
static const char *Character_Name(uint32_t cp)
{
    switch (cp) {
    case 0x20AC: return "Euro-Zeichen";
    case 0x2013: return "Halbgeviertstrich";
    case 0x2014: return "Geviertstrich";
    case 0x2018:
    case 0x2019:
    case 0x201A:
    case 0x201C:
    case 0x201D:
    case 0x201E: return "Anf\x81hrungszeichen";
    case 0x2022: return "Aufz\x84hlungspunkt";
    case 0x2026: return "Auslassungspunkte";
    case 0x2212: return "Minuszeichen";
    default: return nullptr;
    }
}

void zw::Say_Lacking_Characters(const std::string &utf8, bool pasted)
{
    enum { NAMED_MAX = 6 };
    std::string named;
    int count = 0;
    for (size_t i = 0; i < utf8.size(); count++) {
        /* the text holds whole characters of UTF-8 (Push_Typed_Text) */
        const uint32_t cp = (uint32_t)Next_Code_Point(utf8, &i);
        if (count == NAMED_MAX) named += " und weitere";
        if (count >= NAMED_MAX) continue;
        char one[64];
        const char *word = Character_Name(cp);
        snprintf(one, sizeof one, "%sU+%04X%s%s%s", count > 0 ? ", " : "", (unsigned)cp,
                 word ? " (" : "", word ? word : "", word ? ")" : "");
        named += one;
    }
    if (count == 0) return;
    const std::string whence = pasted ? " aus der Zwischenablage " : " ";
    const std::vector<std::string> lines = {
        (count > 1 ? "Die Zeichen " : "Das Zeichen ") + named + whence
            + (count > 1 ? "wurden nicht " : "wurde nicht ")
            + (pasted ? "eingef\x81gt:" : "eingegeben:"),
        std::string("der Zeichensatz des Programms (Codepage 850) enth\x84lt ")
            + (count > 1 ? "sie nicht." : "es nicht.")};
    Log_Line("MESSAGE [Hinweis] " + Joined(lines));
    Box b = Open_Box("Hinweis", 1, lines, {"OK"});
    Wait_Box(b, 0);
    Restore_Under(b);
}

void zw::Typed_Lacking_Characters(const std::string &utf8)
{
    State &s = St();
    if (s.lacking_holds == 0) {
        Say_Lacking_Characters(utf8);
        return;
    }
    /* the box would take the keys typed after the character: the field keeps them */
    for (size_t i = 0; i < utf8.size();) {
        const size_t from = i;
        Next_Code_Point(utf8, &i);
        const std::string one = utf8.substr(from, i - from);
        if (s.lacking_held.find(one) == std::string::npos) s.lacking_held += one;
    }
}

void Hold_Typed_Hints(int on)
{
    Ensure_Init();
    State &s = St();
    if (on) {
        s.lacking_holds++;
        return;
    }
    if (s.lacking_holds > 0) s.lacking_holds--;
    if (s.lacking_holds > 0 || s.lacking_held.empty()) return;
    const std::string held = s.lacking_held;
    s.lacking_held.clear();
    Say_Lacking_Characters(held);
}

void zw::Say_Not_A_Number(const std::string &typed, const std::string &held)
{
    /* the box of a caller that is still filling its own waits for this one */
    const Message_State caller = Msg();
    Init_Message();
    Set_Message_Title("Hinweis");
    Fill_Message(
        ("\"" + typed + "\" ist keine Zahl: das Feld enth\x84lt weiter " + held + ".").c_str());
    Draw_Message();
    Msg() = caller;
}

void Say_File_Unreadable(const char *what, const char *path, int err, const char *instead)
{
    if (!path) return;
    const char *reason = Rt_Path_Error_Text(err, path);
    if (!Unreadable_Said().insert(std::string(path) + '\n' + reason).second) return;
    /* the box of a caller that is still filling its own waits for this one */
    const Message_State caller = Msg();
    Init_Message();
    Set_Message_Symbol(2, 0, 0, 0);
    Set_Message_Title("Warnung");
    Fill_Message((std::string(what ? what : "Die Datei") + " " + path).c_str());
    Fill_Message("kann nicht gelesen werden:");
    Fill_Message(reason);
    if (instead && *instead) Fill_Message(instead);
    Draw_Message();
    Msg() = caller;
}

FILE *Fopen_Read_Said(const char *what, const char *path, const char *instead)
{
    FILE *f = Rt_Fopen_Read(path);
    if (f == nullptr && errno != ENOENT) {
        const int err = errno;
        Say_File_Unreadable(what, path, err, instead);
        errno = err;
    }
    return f;
}

void Show_Message(void)
{
    Ensure_Init();
    Message_State &m = Msg();
    if (m.shown) Quit_Message();
    Log_Line("SHOW [" + To_Utf8(m.title.c_str(), -1) + "] " + Joined(m.lines));
    Box b = Open_Box(Message_Title(m.title, m.symbol), m.symbol, m.lines, {});
    m.shown_rect = b.under;
    m.shown = true;
}

void Quit_Message(void)
{
    Message_State &m = Msg();
    if (!m.shown) return;
    if (!m.shown_rect.pixels.empty())
        pxStRc(m.shown_rect.x1, m.shown_rect.y1, m.shown_rect.x2, m.shown_rect.y2,
               m.shown_rect.pixels.data());
    m.shown_rect.pixels.clear();
    m.shown = false;
    Log_Line("QUIT");
    Present();
}

void PrintMessage(const char *text)
{
    Ensure_Init();
    std::vector<std::string> lines;
    std::string t = text ? text : "";
    size_t p = 0;
    while (p <= t.size()) {
        size_t q = t.find('\n', p);
        if (q == std::string::npos) q = t.size();
        if (q > p || q < t.size()) lines.push_back(t.substr(p, q - p));
        p = q + 1;
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    Log_Line("PRINT " + Joined(lines));
    /* a text that says what it is in its first word ("HINWEIS: ...", "WARNUNG: ...",
    ** "FEHLER: ...") is a box of that kind, whose title band and symbol say it: the box does not
    ** say it again ("Hinweis" over "HINWEIS: ..."); the log keeps the text as given */
    static const struct {
        const char *word;
        int symbol;
    } kinds[] = {{"HINWEIS: ", 1}, {"WARNUNG: ", 2}, {"FEHLER: ", 3}};
    int symbol = 1;
    for (const auto &k : kinds)
        if (!lines.empty() && lines[0].rfind(k.word, 0) == 0) {
            lines[0].erase(0, strlen(k.word));
            symbol = k.symbol;
            break;
        }
    Box b = Open_Box(Message_Title("", symbol), symbol, lines, {"OK"});
    Wait_Box(b, 0);
    Restore_Under(b);
}

int Answer_is_Yes(int default_yes)
{
    Ensure_Init();
    Message_State &m = Msg();
    Log_Line("QUESTION [" + To_Utf8(m.title.c_str(), -1) + "] " + Joined(m.lines));
    Box b = Open_Box(m.title, m.symbol >= 0 ? m.symbol : 0, m.lines, {"Ja", "Nein"});
    int r = Wait_Box(b, default_yes ? 0 : 1);
    Restore_Under(b);
    int yes = r == 0 ? 1 : 0;
    Log_Line(std::string("ANSWER ")
             + (r == -2   ? "closed"
                : r == -1 ? "cancel"
                : yes     ? "yes"
                          : "no"));
    return yes;
}

int Answer_Of_Buttons(const char *const labels[], int n, int dflt)
{
    Ensure_Init();
    Message_State &m = Msg();
    std::vector<std::string> buttons;
    for (int i = 0; i < n && i < 4; i++) buttons.push_back(labels[i] ? labels[i] : "");
    Log_Line("QUESTION [" + To_Utf8(m.title.c_str(), -1) + "] " + Joined(m.lines));
    Box b = Open_Box(m.title, m.symbol >= 0 ? m.symbol : 0, m.lines, buttons);
    int r = Wait_Box(b, dflt);
    Restore_Under(b);
    if (r >= (int)buttons.size()) r = -1;
    Log_Line("ANSWER "
             + (r < 0 ? std::string(r == -2 ? "closed" : "cancel")
                      : To_Utf8(buttons[(size_t)r].c_str(), -1)));
    return r < 0 ? -1 : r;
}

/* ---------------------------------------------------------------- editing in place */

void Set_Short_Edit_Text_Scrollmode(int max_len) { edit_scroll_max = max_len > 0 ? max_len : 0; }

int Short_Edit_Text(int x, int y, char *buffer, int visible, int flags)
{
    Ensure_Init();
    (void)flags;
    if (!buffer || visible <= 0) return 0;
    int max_len = edit_scroll_max > 0 ? edit_scroll_max : visible;
    edit_scroll_max = 0;
    std::string text = buffer;
    if ((int)text.size() > max_len) text.resize((size_t)max_len);
    std::string old = text;
    int r = Edit_Loop(x, y, text, visible, max_len, false);
    if (r < 0) text = old;
    memcpy(buffer, text.c_str(), text.size() + 1);
    Log_Line("EDITTEXT " + To_Utf8(text.c_str(), -1));
    return r > 0 ? 1 : 0;
}

int Short_Edit_Float(int x, int y, const char *format, double *value)
{
    Ensure_Init();
    if (!value) return 0;
    char buf[64];
    snprintf(buf, sizeof buf, format && *format ? format : "%g", *value);
    std::string text = buf;
    size_t a = text.find_first_not_of(' ');
    text = a == std::string::npos ? "" : text.substr(a);
    int visible = std::max(4, (int)strlen(buf));
    Float_Typed.clear();
    Float_Refused.clear();
    int r = Edit_Loop(x, y, text, visible, 30, true);
    if (r >= 0) {
        Float_Typed = text;
        double v = 0.0;
        if (Short_Edit_Read_Float(text.c_str(), &v)) *value = v;
        else if (!text.empty()) Float_Refused = Float_Typed;
    }
    snprintf(buf, sizeof buf, format && *format ? format : "%g", *value);
    Log_Line(std::string("EDITFLOAT ") + buf);
    return r > 0 ? 1 : 0;
}

int Short_Edit_Read_Float(const char *text, double *value)
{
    std::string t = text ? text : "";
    for (char &c : t)
        if (c == ',') c = '.';
    char *end = nullptr;
    const double v = strtod(t.c_str(), &end);
    if (!end || end == t.c_str() || *end != 0 || !std::isfinite(v)) return 0;
    *value = v;
    return 1;
}

const char *Short_Edit_Float_Refused(void) { return Float_Refused.c_str(); }

const char *Short_Edit_Open_Text(void) { return Open_Text ? Open_Text->c_str() : nullptr; }

const char *Short_Edit_Float_Typed(void) { return Float_Typed.c_str(); }

/* ---------------------------------------------------------------- menus */

int Menue_Manager(int x, int y, const Menue_Entry *entries, int count)
{
    Ensure_Init();
    State &s = St();
    if (!entries || count <= 0) return -1;
    int w = 40;
    for (int i = 0; i < count; i++)
        w = std::max(w, Text_Width(entries[i].text ? entries[i].text : "", 0x1000) + 24);
    int h = count * 18 + 6;
    if (x + w >= NPIXEL_X) x = NPIXEL_X - w - 1;
    if (y + h >= NPIXEL_Y) y = NPIXEL_Y - h - 1;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    Box b;
    b.x1 = x;
    b.y1 = y;
    b.x2 = x + w - 1;
    b.y2 = y + h - 1;
    Save_Under(b);
    std::string names;
    for (int i = 0; i < count; i++) names += (i ? " | " : "") + To_Utf8(entries[i].text, -1);
    Log_Line("MENU " + names);
    int hi = -1;
    auto draw = [&]() {
        int ov[4];
        pxQVwp(&ov[0], &ov[1], &ov[2], &ov[3]);
        Set_Clip_Full();
        Fill_Rect_Rgb(b.x1, b.y1, b.x2, b.y2, 0xFFFFFF);
        Bevel(b.x1, b.y1, b.x2, b.y2, true);
        for (int i = 0; i < count; i++) {
            int ry = b.y1 + 3 + i * 18;
            if (i == hi && entries[i].active)
                Fill_Rect_Rgb(b.x1 + 3, ry, b.x2 - 3, ry + 17, 0x99B4D1);
            Text_Rgb(b.x1 + 12, ry + 13, entries[i].text ? entries[i].text : "",
                     entries[i].active ? 0 : 0xA0A0A0, 0x1000);
        }
        pxView(ov[0], ov[1], ov[2], ov[3]);
        Present();
    };
    draw();
    int result = -1;
    for (;;) {
        Event ev;
        Next_Event(&ev, true, -1);
        if (ev.type == EV_CLOSE) break;
        int row = (M_XPOS >= b.x1 && M_XPOS <= b.x2 && M_YPOS >= b.y1 + 3
                   && M_YPOS < b.y1 + 3 + count * 18)
                      ? (M_YPOS - b.y1 - 3) / 18
                      : -1;
        if (ev.type == EV_MOVE && row != hi) {
            hi = row;
            draw();
        } else if (ev.type == EV_DOWN) {
            if (row >= 0 && entries[row].active) result = row;
            if (row >= 0 && !entries[row].active) continue;
            break;
        } else if (ev.type == EV_KEY) {
            if (ev.key == KEY_DOWN || ev.key == KEY_UP) {
                int d = ev.key == KEY_DOWN ? 1 : -1;
                for (int k = 0; k < count; k++) {
                    hi = hi < 0 ? (d > 0 ? 0 : count - 1) : (hi + d + count) % count;
                    if (entries[hi].active) break;
                }
                draw();
            } else if (ev.key == 13) {
                if (hi >= 0 && entries[hi].active) result = hi;
                break;
            } else if (ev.key == KEY_F1) {
                if (hi >= 0 && entries[hi].help_key) Helpview(entries[hi].help_key);
            } else {
                break;
            }
        }
    }
    /* the release of the choosing click belongs to the menu */
    if (!s.queue.empty() && s.queue.front().type == EV_UP) {
        Event up = s.queue.front();
        s.queue.pop_front();
        Apply_Mouse(up);
    }
    Restore_Under(b);
    Log_Line("MENU CHOICE " + std::to_string(result));
    return result;
}

int Get_UserSelected_SpecialCharacter(void)
{
    static const unsigned char bytes[] = {0x8C, 0xF2, 0xF3, 0xA3, 0xB2, 0xBA, 0xBB, 0xC0,
                                          0xBE, 0xCB, 0xCC, 0xD6, 0xB8, 0xF8, 0xFD, 0xFA,
                                          0xF7, 0xEC, 0x89, 0xE6, 0xF1, 0x9E};
    const int n = (int)sizeof bytes;
    static char texts[sizeof bytes][2];
    Menue_Entry e[sizeof bytes];
    for (int i = 0; i < n; i++) {
        texts[i][0] = (char)bytes[i];
        texts[i][1] = 0;
        e[i] = {texts[i], nullptr, 1};
    }
    int r = Menue_Manager(M_XPOS, M_YPOS, e, n);
    return r < 0 ? -1 : bytes[r];
}

/* ---------------------------------------------------------------- help */

int Add_Helpfile(const char *path)
{
    if (!path) return 0;
    std::string p = path;
    for (char &c : p)
        if (c == '\\') c = '/';
    FILE *f = Fopen_Read_Said("Die Hilfedatei", p.c_str(), "Die Hilfe bleibt leer.");
    if (!f) return 0;
    char line[1024];
    std::vector<std::string> *topic = nullptr;
    while (fgets(line, sizeof line, f)) {
        size_t n = strcspn(line, "\r\n");
        line[n] = 0;
        if (!strncmp(line, "#TOPIC ", 7)) {
            std::string key = line + 7;
            while (!key.empty() && key.back() == ' ') key.pop_back();
            topic = &Help_Topics()[key];
            topic->clear();
        } else if (topic && line[0] != '#') {
            topic->push_back(line);
        }
    }
    fclose(f);
    return 1;
}

int Helpview(const char *key)
{
    Ensure_Init();
    std::string k = key ? key : "";
    auto it = Help_Topics().find(k);
    if (it == Help_Topics().end()) {
        Log_Line("HELP MISSING " + To_Utf8(k.c_str(), -1));
        return 0;
    }
    Log_Line("HELP " + To_Utf8(k.c_str(), -1));
    std::vector<std::string> lines = it->second;
    std::string title = "Hilfe";
    if (!lines.empty() && !lines[0].empty()) {
        title = lines[0];
        lines.erase(lines.begin());
    }
    size_t maxl = (size_t)std::max(1, (NPIXEL_Y - 120) / 16);
    if (lines.size() > maxl) lines.resize(maxl);
    Box b = Open_Box(title, -1, lines,
                     {"Schlie\xE1"
                      "en"});
    Wait_Box(b, 0);
    Restore_Under(b);
    return 1;
}
