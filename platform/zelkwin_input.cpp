/*
** Events of the GUI stand-in: the script reader of the headless back end, the one event queue,
** mouse globals, keys, VEL messages, timers, the virtual clock, clipboard and mouse restriction.
*/
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <thread>

#include "platform/zelkwin_internal.h"

int M_XPOS = 640, M_YPOS = 480, M_LEFT = 0, M_RIGHT = 0, M_SCROLL = 0;

namespace zw {

/* ---------------------------------------------------------------- script */

int32_t Next_Code_Point(const std::string &s, size_t *i)
{
    const unsigned char c = (unsigned char)s[*i];
    size_t need = 0;
    int32_t cp = c;
    if (c >= 0x80) {
        if ((c & 0xE0) == 0xC0) need = 1, cp = c & 0x1F;
        else if ((c & 0xF0) == 0xE0) need = 2, cp = c & 0x0F;
        else if ((c & 0xF8) == 0xF0) need = 3, cp = c & 0x07;
        else cp = -1;
        for (size_t k = 1; cp >= 0 && k <= need; k++) {
            const unsigned char b = *i + k < s.size() ? (unsigned char)s[*i + k] : 0;
            cp = (b & 0xC0) == 0x80 ? (cp << 6) | (b & 0x3F) : -1;
        }
    }
    *i += cp < 0 ? 1 : need + 1;
    return cp;
}

/* The display-font byte of a code point, or -1 when the font lacks it. */
static int Display_Byte(int32_t cp)
{
    if (cp >= 0 && cp < 0x80) return cp;
    for (int b = 0x80; b < 256; b++)
        if (Display_Font_Codepoint((unsigned char)b) == (uint32_t)cp) return b;
    return -1;
}

static int Utf8_To_Byte(const std::string &s, size_t *i)
{
    const int b = Display_Byte(Next_Code_Point(s, i));
    return b < 0 ? '?' : b;
}

std::string Utf8_To_Display(const std::string &utf8)
{
    std::string out;
    size_t i = 0;
    while (i < utf8.size()) out += (char)Utf8_To_Byte(utf8, &i);
    return out;
}

std::string Utf8_To_Display_Held(const std::string &utf8, std::string *lacking)
{
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        const size_t from = i;
        const int32_t cp = Next_Code_Point(utf8, &i);
        const int b = Display_Byte(cp);
        if (b >= 0 || cp < 0) {
            out += (char)(b >= 0 ? b : '?'); /* a byte that is no UTF-8 at all */
            continue;
        }
        const std::string one = utf8.substr(from, i - from);
        if (lacking->find(one) == std::string::npos) *lacking += one;
    }
    return out;
}

void Push_Typed_Text(const std::string &utf8, std::deque<Event> *out)
{
    size_t lacking_at = 0;
    bool lacking = false;
    for (size_t i = 0; i < utf8.size();) {
        const size_t from = i;
        const int32_t cp = Next_Code_Point(utf8, &i);
        const int b = Display_Byte(cp);
        Event ev;
        if (b >= 0 || cp < 0) {
            ev.type = EV_KEY;
            ev.key = b >= 0 ? b : '?'; /* a byte that is no UTF-8 at all */
            out->push_back(ev);
            continue;
        }
        const std::string one = utf8.substr(from, i - from);
        if (!lacking) {
            ev.type = EV_LACKING;
            lacking_at = out->size();
            out->push_back(ev);
            lacking = true;
        }
        std::string &named = (*out)[lacking_at].text;
        if (named.find(one) == std::string::npos) named += one;
    }
}

static int Key_By_Name(const std::string &name)
{
    static const struct {
        const char *name;
        int code;
    } names[] = {{"enter", 13},
                 {"return", 13},
                 {"esc", 27},
                 {"escape", 27},
                 // clang-format off
               {"tab", 9},          {"backspace", 8},    {"bs", 8},            {"space", 32},
               {"f1", KEY_F1},      {"f2", KEY_F2},      {"f3", KEY_F3},       {"f4", KEY_F4},
               {"f5", KEY_F5},      {"f6", KEY_F6},      {"f7", KEY_F7},       {"f8", KEY_F8},
               {"f9", KEY_F9},      {"f10", KEY_F10},    {"up", KEY_UP},       {"down", KEY_DOWN},
               {"left", KEY_LEFT},  {"right", KEY_RIGHT}, {"home", KEY_HOME},  {"end", KEY_END},
               {"pgup", KEY_PGUP},  {"pageup", KEY_PGUP}, {"pgdn", KEY_PGDN},  {"pagedown", KEY_PGDN},
               {"ins", KEY_INS},    {"insert", KEY_INS}, {"del", KEY_DEL},     {"delete", KEY_DEL},
               {"shift-tab", KEY_SHIFT_TAB}, {"ctrl-c", 3}, {"ctrl-v", 22},    {"ctrl-x", 24},
               {"ctrl-home", KEY_CTRL_HOME}, {"ctrl-end", KEY_CTRL_END},
                 // clang-format on
                 {"ctrl-a", 1}};
    std::string low;
    for (char c : name) low += (char)tolower((unsigned char)c);
    /* "Ctrl+End" as a keyboard's legend writes it is "ctrl-end" */
    for (const char *mod : {"ctrl+", "shift+"})
        if (low.size() > strlen(mod) && low.compare(0, strlen(mod), mod) == 0)
            low[strlen(mod) - 1] = '-';
    for (auto &n : names)
        if (low == n.name) return n.code;
    if (name.size() > 1 && name[0] == '#') return atoi(name.c_str() + 1);
    size_t i = 0;
    if (!name.empty()) {
        int b = Utf8_To_Byte(name, &i);
        if (i == name.size()) return b;
    }
    return -1;
}

/* Reads one event a line: click X Y, rclick X Y, press X Y, release X Y, move X Y, wheel N,
** key NAME, type TEXT, clipboard TEXT, answer yes|no|cancel, snapshot FILE.png, sleep MS, close;
** '#' starts a comment line. A line it does not understand is logged and skipped. */
void Parse_Script(const std::string &text, std::deque<Event> *out, const std::string &origin)
{
    std::istringstream in(text);
    std::string line;
    int lineno = 0;
    while (std::getline(in, line)) {
        lineno++;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t p = line.find_first_not_of(" \t");
        if (p == std::string::npos || line[p] == '#') continue;
        line = line.substr(p);
        std::string cmd = line.substr(0, line.find(' '));
        std::string rest = line.size() > cmd.size() ? line.substr(cmd.size() + 1) : "";
        Event ev;
        int x = 0, y = 0, n = 0;
        bool ok = true;
        if (cmd == "click" || cmd == "rclick" || cmd == "press" || cmd == "release" || cmd == "move"
            || cmd == "dclick") {
            ok = sscanf(rest.c_str(), "%d %d", &x, &y) == 2;
            if (ok) {
                ev.x = x;
                ev.y = y;
                ev.type = EV_MOVE;
                out->push_back(ev);
                ev.button = cmd == "rclick" ? 2 : 1;
                int times = cmd == "dclick" ? 2 : 1;
                for (int t = 0; t < times; t++) {
                    if (cmd != "release" && cmd != "move") {
                        ev.type = EV_DOWN;
                        ev.key =
                            t + 1; /* the click count: 2 for the second press of a double click */
                        out->push_back(ev);
                        ev.key = 0;
                    }
                    if (cmd != "press" && cmd != "move") {
                        ev.type = EV_UP;
                        out->push_back(ev);
                    }
                }
            }
        } else if (cmd == "wheel") {
            ok = sscanf(rest.c_str(), "%d", &n) == 1;
            ev.type = EV_WHEEL;
            ev.key = n;
            if (ok) out->push_back(ev);
        } else if (cmd == "key") {
            std::istringstream ks(rest);
            std::string name;
            while (ks >> name) {
                int code = Key_By_Name(name);
                if (code < 0) {
                    ok = false;
                    break;
                }
                ev.type = EV_KEY;
                ev.key = code;
                out->push_back(ev);
            }
        } else if (cmd == "type") {
            Push_Typed_Text(rest, out);
        } else if (cmd == "clipboard") {
            ev.type = EV_CLIPBOARD;
            ev.text = rest;
            out->push_back(ev);
        } else if (cmd == "answer") {
            ok = rest == "yes" || rest == "no" || rest == "cancel";
            ev.type = EV_ANSWER;
            ev.text = rest;
            if (ok) out->push_back(ev);
        } else if (cmd == "snapshot") {
            ok = !rest.empty();
            ev.type = EV_SNAPSHOT;
            ev.text = rest;
            if (ok) out->push_back(ev);
        } else if (cmd == "sleep") {
            ok = sscanf(rest.c_str(), "%d", &n) == 1 && n >= 0;
            ev.type = EV_SLEEP;
            ev.key = n;
            if (ok) out->push_back(ev);
        } else if (cmd == "close") {
            ev.type = EV_CLOSE;
            out->push_back(ev);
        } else {
            ok = false;
        }
        if (!ok) Log_Line("SCRIPT BAD " + origin + ":" + std::to_string(lineno) + " " + line);
    }
}

/* ---------------------------------------------------------------- queue */

void Apply_Mouse(const Event &ev)
{
    State &s = St();
    if (ev.type == EV_MOVE || ev.type == EV_DOWN || ev.type == EV_UP) {
        int x = ev.x, y = ev.y;
        if (x < s.restrict_x1) x = s.restrict_x1;
        if (x > s.restrict_x2) x = s.restrict_x2;
        if (y < s.restrict_y1) y = s.restrict_y1;
        if (y > s.restrict_y2) y = s.restrict_y2;
        M_XPOS = x;
        M_YPOS = y;
    }
    if (ev.type == EV_DOWN) {
        if (ev.button == 2) M_RIGHT = 1;
        else M_LEFT = 1;
    } else if (ev.type == EV_UP) {
        if (ev.button == 2) M_RIGHT = 0;
        else M_LEFT = 0;
    } else if (ev.type == EV_WHEEL) {
        if (s.wheel_on) M_SCROLL += ev.key;
    }
}

/* A close: the buttons go up (the pointer stays where it was), so that release waits end. A
** close request (the window's close box, the
** script's "close") is one event: the close callback runs and the program decides what follows.
** The end of the script closes for good: every later wait answers a close at once. */
static void Report_Close(bool for_good)
{
    State &s = St();
    M_LEFT = M_RIGHT = 0;
    if (!for_good) {
        Log_Line("CLOSE");
        if (s.close_fct) s.close_fct();
        return;
    }
    if (s.closed) return;
    s.closed = true;
    Log_Line("CLOSED");
    if (s.close_fct) s.close_fct();
}

void Run_Call_Always()
{
    State &s = St();
    if (s.always_on && s.always_fct) s.always_fct();
    if (s.sometimes_fct && ++s.sometimes_count % 10 == 0) s.sometimes_fct();
}

/* Takes the next event. Snapshots and sleeps are carried out here (a sleep comes back as
** EV_SLEEP so that timer waits can end on it). Headless, an empty queue closes the window;
** with the window, waits up to timeout_ms (< 0: for ever) and answers false on time-out. */
bool Next_Event(Event *ev, bool wait, int timeout_ms)
{
    Ensure_Init();
    State &s = St();
    auto start = std::chrono::steady_clock::now();
    for (;;) {
        Serve_End_Request();
        if (!s.headless) Window_Pump(false, 0);
        if (!s.queue.empty()) {
            *ev = s.queue.front();
            s.queue.pop_front();
            if (ev->type == EV_SNAPSHOT) {
                Snapshot(ev->text.c_str());
                continue;
            }
            if (ev->type == EV_LACKING) {
                /* what was typed and not entered is named before anything else happens, or
                ** when the field it was typed into is left */
                Typed_Lacking_Characters(ev->text);
                continue;
            }
            if (ev->type == EV_CLIPBOARD) {
                s.system_clipboard = ev->text;
                continue;
            }
            if (ev->type == EV_SLEEP) s.clock_ms += ev->key;
            if (ev->type == EV_CLOSE) {
                Report_Close(false);
                return true;
            }
            Apply_Mouse(*ev);
            return true;
        }
        if (s.closed || s.headless) {
            if (!wait && !s.closed) return false;
            ev->type = EV_CLOSE;
            Report_Close(true);
            return true;
        }
        if (!wait) return false;
        int left = 50;
        if (timeout_ms >= 0) {
            auto el = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now() - start)
                          .count();
            if (el >= timeout_ms) return false;
            left = (int)(timeout_ms - el) < 50 ? (int)(timeout_ms - el) : 50;
        }
        if (s.dirty) Present();
        Window_Pump(true, left);
    }
}

} // namespace zw

using namespace zw;

/* ---------------------------------------------------------------- mouse */

/* The message class of an event (0 for the script's own events). */
static int Event_Class(const Event &ev)
{
    switch (ev.type) {
    case EV_CLOSE: return VELMSG_CLOSE;
    case EV_MOVE: return VELMSG_MOVE;
    case EV_DOWN:
    case EV_UP: return ev.button == 2 ? VELMSG_RBUTTON : VELMSG_LBUTTON;
    case EV_WHEEL: return VELMSG_WHEEL;
    case EV_KEY: return VELMSG_KEY;
    case EV_SLEEP: return VELMSG_TIMER;
    default: return 0;
    }
}

int Get_Mouse_Event(void)
{
    State &s = St();
    Event ev;
    for (;;) {
        Next_Event(&ev, true, -1);
        Run_Call_Always();
        const int cls = Event_Class(ev);
        if (cls == VELMSG_KEY) s.keys.push_back(ev.key);
        else if (cls != 0 && cls != VELMSG_TIMER) return cls;
    }
}

void Pass_On_Mouse_Press(void)
{
    Ensure_Init();
    State &s = St();
    if (!M_LEFT || s.closed) return;
    Event ev;
    ev.type = EV_DOWN;
    ev.x = M_XPOS;
    ev.y = M_YPOS;
    ev.button = 1;
    ev.key = 1;
    s.queue.push_front(ev);
    M_LEFT = 0;
}

void Pass_On_Key(int key)
{
    Ensure_Init();
    State &s = St();
    if (s.closed) return;
    Event ev;
    ev.type = EV_KEY;
    ev.key = key;
    s.queue.push_front(ev);
}

void msVisi(int visible)
{
    Ensure_Init();
    St().cursor_visible = visible >= 0;
}

void msStCu(int x, int y)
{
    Ensure_Init();
    Event ev;
    ev.type = EV_MOVE;
    ev.x = x;
    ev.y = y;
    Apply_Mouse(ev);
    if (!St().headless) Window_Warp(M_XPOS, M_YPOS);
}

void setMouseCursor(int shape)
{
    Ensure_Init();
    St().cursor_shape = shape;
    if (!St().headless) Window_Cursor(shape);
}

void Set_MouseWheel_Activity(int on)
{
    Ensure_Init();
    St().wheel_on = on != 0;
}

void Init_Mouse_Move_Restriction(void)
{
    Ensure_Init();
    State &s = St();
    s.restrict_stack.clear();
    s.restrict_x1 = s.restrict_y1 = 0;
    s.restrict_x2 = NPIXEL_X - 1;
    s.restrict_y2 = NPIXEL_Y - 1;
}

void Pop_Mouse_Move_Restriction(int x1, int y1, int x2, int y2)
{
    Ensure_Init();
    State &s = St();
    s.restrict_stack.insert(s.restrict_stack.end(),
                            {s.restrict_x1, s.restrict_y1, s.restrict_x2, s.restrict_y2});
    s.restrict_x1 = x1 < x2 ? x1 : x2;
    s.restrict_x2 = x1 < x2 ? x2 : x1;
    s.restrict_y1 = y1 < y2 ? y1 : y2;
    s.restrict_y2 = y1 < y2 ? y2 : y1;
}

void Push_Mouse_Move_Restriction(void)
{
    Ensure_Init();
    State &s = St();
    if (s.restrict_stack.size() < 4) {
        Init_Mouse_Move_Restriction();
        return;
    }
    size_t n = s.restrict_stack.size();
    s.restrict_x1 = s.restrict_stack[n - 4];
    s.restrict_y1 = s.restrict_stack[n - 3];
    s.restrict_x2 = s.restrict_stack[n - 2];
    s.restrict_y2 = s.restrict_stack[n - 1];
    s.restrict_stack.resize(n - 4);
}

/* ---------------------------------------------------------------- keys */

int hitkey(void)
{
    Ensure_Init();
    State &s = St();
    if (!s.keys.empty()) return s.keys.front();
    if (!s.headless) Window_Pump(false, 0);
    if (!s.queue.empty() && s.queue.front().type == EV_KEY) {
        s.keys.push_back(s.queue.front().key);
        s.queue.pop_front();
        return s.keys.front();
    }
    return -1;
}

int getkey(void)
{
    Ensure_Init();
    State &s = St();
    Event ev;
    while (s.keys.empty()) {
        Next_Event(&ev, true, -1);
        if (ev.type == EV_CLOSE) return -1;
        if (ev.type == EV_KEY) s.keys.push_back(ev.key);
    }
    int k = s.keys.front();
    s.keys.pop_front();
    return k;
}

void Drop_Buffered_Keys(void)
{
    Ensure_Init();
    St().keys.clear();
}

int getkeymask(void)
{
    Ensure_Init();
    return St().closed ? 1 : 0;
}

/* ---------------------------------------------------------------- messages */

void InitVELMessage(VEL_MESSAGE *msg)
{
    if (msg) memset(msg, 0, sizeof *msg);
}

static void Fill_Vel_Message(VEL_MESSAGE *msg, int cls, const Event &ev)
{
    if (msg == nullptr) return;
    msg->w[0] = cls;
    msg->w[1] = M_XPOS;
    msg->w[2] = M_YPOS;
    msg->w[3] = (M_LEFT ? 1 : 0) | (M_RIGHT ? 2 : 0);
    msg->w[4] = cls == VELMSG_KEY ? ev.key : 0;
    msg->w[5] = cls == VELMSG_WHEEL ? ev.key : 0;
}

int GetVELMessage(VEL_MESSAGE *msg, int classes)
{
    Ensure_Init();
    State &s = St();
    int timeout = -1;
    if (classes & VELMSG_TIMER) timeout = msg && msg->w[6] > 0 ? msg->w[6] : 100;
    for (;;) {
        Event ev;
        int cls = 0;
        if (!Next_Event(&ev, true, timeout)) {
            s.clock_ms += timeout > 0 ? timeout : 0;
            cls = VELMSG_TIMER;
        } else {
            cls = Event_Class(ev);
            if (cls == VELMSG_KEY) s.keys.push_back(ev.key);
        }
        Run_Call_Always();
        if (cls == VELMSG_CLOSE || (cls & classes)) {
            Fill_Vel_Message(msg, cls, ev);
            return cls;
        }
    }
}

int PollVELMessage(VEL_MESSAGE *msg, int classes)
{
    Ensure_Init();
    Serve_End_Request();
    State &s = St();
    if (!s.headless) {
        /* asking the display costs a round trip: a run that polls after every step asks it
        ** at most every 25 ms */
        static int64_t asked = INT64_MIN / 2;
        const int64_t now = VELClock();
        if (now - asked >= 25) {
            asked = now;
            Window_Pump(false, 0);
        }
    }
    while (!s.queue.empty()) {
        const Event ev = s.queue.front();
        if (ev.type == EV_SNAPSHOT && (classes & ~VELMSG_TIMER) != 0) {
            s.queue.pop_front();
            Snapshot(ev.text.c_str());
            continue;
        }
        const int cls = Event_Class(ev);
        if (cls == 0 || (cls & classes) == 0) return 0;
        if (ev.type != EV_CLOSE) {
            s.queue.pop_front();
            if (ev.type == EV_SLEEP) s.clock_ms += ev.key;
            Apply_Mouse(ev);
        }
        Fill_Vel_Message(msg, cls, ev);
        return cls;
    }
    return 0;
}

int VELSetTimer(int on)
{
    Ensure_Init();
    int old = St().timer_on ? 1 : 0;
    St().timer_on = on != 0;
    return old;
}

void VELSleep(int ms)
{
    Ensure_Init();
    Serve_End_Request();
    if (ms <= 0) return;
    State &s = St();
    s.clock_ms += ms;
    if (!s.headless) {
        if (s.dirty) Present();
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

int64_t VELClock(void)
{
    Ensure_Init();
    State &s = St();
    if (s.headless) return s.clock_ms;
    static auto t0 = std::chrono::steady_clock::now();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now()
                                                                 - t0)
        .count();
}

/* ---------------------------------------------------------------- clipboard and window */

/* The system's clipboard holds UTF-8 text with its line feeds; a headless run keeps it as the
** window's system does, so that a copy comes back through the same conversions. */
int VELSetClipboardText(const char *text)
{
    Ensure_Init();
    State &s = St();
    s.clipboard = text ? text : "";
    const std::string utf8 = To_Utf8(s.clipboard.c_str(), -1, true);
    if (s.headless) s.system_clipboard = utf8;
    else Window_Set_Clipboard(utf8);
    return 1;
}

int VELGetClipboardText(char *buffer, int size)
{
    Ensure_Init();
    if (!buffer || size <= 0) return 0;
    /* the characters the display font lacks are not pasted, and a hint names them, as for typed
    ** text; another program's line breaks (CR LF, or a CR alone) are line feeds */
    State &s = St();
    std::string system = s.system_clipboard, lacking;
    if (s.headless || Window_Get_Clipboard(&system)) {
        for (size_t i = 0; (i = system.find('\r', i)) != std::string::npos;) {
            if (i + 1 < system.size() && system[i + 1] == '\n') system.erase(i, 1);
            else system[i] = '\n';
        }
        s.clipboard = Utf8_To_Display_Held(system, &lacking);
        if (!lacking.empty()) Say_Lacking_Characters(lacking, true);
    }
    const std::string &c = s.clipboard;
    int n = (int)c.size() < size - 1 ? (int)c.size() : size - 1;
    memcpy(buffer, c.data(), (size_t)n);
    buffer[n] = 0;
    return (int)c.size();
}

void VELSetMinMaxSize(int min_w, int min_h, int max_w, int max_h)
{
    Ensure_Init();
    Log_Line("WINDOW SIZE " + std::to_string(min_w) + " " + std::to_string(min_h) + " "
             + std::to_string(max_w) + " " + std::to_string(max_h));
    if (!St().headless) Window_Limits(min_w, min_h, max_w, max_h);
}
