// The client area as MSAA sees it: an IAccessible whose children are the described ones, in
// their order, each a simple element (child id = place + 1). The object itself stands for the
// client area and takes the window's title as its name; its parent is the window's standard
// object. Nothing can be done through it (no default action, no selection): a reader's user
// acts with the pointer as anyone else. Every call runs on the window's thread.
#include "platform/win32/win32_reader_calls.h"

#include <cstring>
#include <new>
#include <string>

#include "platform/accessibility.h"

namespace {

LONG MsaaRole(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::PushButton:
            return ROLE_SYSTEM_PUSHBUTTON;
        case AccessibleRole::CheckBox:
            return ROLE_SYSTEM_CHECKBUTTON;
        case AccessibleRole::RadioButton:
            return ROLE_SYSTEM_RADIOBUTTON;
        case AccessibleRole::Slider:
            return ROLE_SYSTEM_SLIDER;
        case AccessibleRole::ScrollBar:
            return ROLE_SYSTEM_SCROLLBAR;
        case AccessibleRole::EditableText:
            return ROLE_SYSTEM_TEXT;
        case AccessibleRole::DropDownGrid:
            return ROLE_SYSTEM_BUTTONDROPDOWNGRID;
        case AccessibleRole::Graphic:
            return ROLE_SYSTEM_GRAPHIC;
        case AccessibleRole::Grouping:
            return ROLE_SYSTEM_GROUPING;
    }
    return ROLE_SYSTEM_GROUPING;
}

LONG MsaaState(uint32_t states) {
    LONG msaa = 0;
    if ((states & AccessibleUnavailable) != 0) msaa |= STATE_SYSTEM_UNAVAILABLE;
    if ((states & AccessibleChecked) != 0) msaa |= STATE_SYSTEM_CHECKED;
    if ((states & AccessiblePressed) != 0) msaa |= STATE_SYSTEM_PRESSED;
    if ((states & AccessibleHot) != 0) msaa |= STATE_SYSTEM_HOTTRACKED;
    if ((states & AccessibleFocusable) != 0) msaa |= STATE_SYSTEM_FOCUSABLE;
    if ((states & AccessibleFocused) != 0) msaa |= STATE_SYSTEM_FOCUSED;
    return msaa;
}

void SetNumber(VARIANT* variant, LONG number) {
    variant->vt = VT_I4;
    variant->lVal = number;
}

// A length in a LONG, however far apart the edges of a rectangle from a broken record lie.
LONG Span(int32_t from, int32_t to) {
    const int64_t span = int64_t{to} - from;
    return span < 0 ? 0 : span > INT32_MAX ? INT32_MAX : static_cast<LONG>(span);
}

bool Inside(const OsRect& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

class ClientObject final : public IAccessible {
public:
    ClientObject(HWND window, AccessibleDescriber describe, const ReaderCalls& calls)
        : window_(window), describe_(describe), calls_(calls) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) return E_POINTER;
        *object = nullptr;
        if (riid != IID_IUnknown && riid != IID_IDispatch && riid != IID_IAccessible) {
            return E_NOINTERFACE;
        }
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // Readers call IAccessible directly; there is no type information for late binding.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info != nullptr) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (parent == nullptr) return E_POINTER;
        *parent = nullptr;
        return calls_.createStdAccessibleObject(window_, OBJID_WINDOW, IID_IDispatch,
                                                reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (count == nullptr) return E_POINTER;
        *count = Count();
        return S_OK;
    }
    // The children are simple elements, not objects of their own.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override {
        if (child == nullptr) return E_POINTER;
        *child = nullptr;
        LONG k = 0;
        AccessibleItem item{};
        return Lookup(id, &k, &item) && k != CHILDID_SELF ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override {
        if (name == nullptr) return E_POINTER;
        *name = nullptr;
        LONG k = 0;
        AccessibleItem item{};
        if (!Lookup(id, &k, &item)) return E_INVALIDARG;
        if (k == CHILDID_SELF) return Title(name);
        if (item.name == nullptr) return S_FALSE;
        return NewBstr(item.name, static_cast<int32_t>(std::strlen(item.name)), CP_UTF8, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override {
        if (value == nullptr) return E_POINTER;
        *value = nullptr;
        LONG k = 0;
        AccessibleItem item{};
        if (!Lookup(id, &k, &item)) return E_INVALIDARG;
        if (k != CHILDID_SELF && item.valueKind == AccessibleValue::Number) {
            const std::string digits = std::to_string(item.number);
            return NewBstr(digits.data(), static_cast<int32_t>(digits.size()), CP_UTF8, value);
        }
        if (k != CHILDID_SELF && item.valueKind == AccessibleValue::Text && item.text != nullptr &&
            item.textLength >= 0) {
            return NewBstr(item.text, item.textLength, CP_ACP, value);
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override {
        if (role == nullptr) return E_POINTER;
        role->vt = VT_EMPTY;
        LONG k = 0;
        AccessibleItem item{};
        if (!Lookup(id, &k, &item)) return E_INVALIDARG;
        SetNumber(role, k == CHILDID_SELF ? ROLE_SYSTEM_CLIENT : MsaaRole(item.role));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override {
        if (state == nullptr) return E_POINTER;
        state->vt = VT_EMPTY;
        LONG k = 0;
        AccessibleItem item{};
        if (!Lookup(id, &k, &item)) return E_INVALIDARG;
        const LONG focus = GetFocus() == window_ ? STATE_SYSTEM_FOCUSED : 0;
        SetNumber(state,
                  k == CHILDID_SELF ? STATE_SYSTEM_FOCUSABLE | focus : MsaaState(item.states));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT id) override {
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
            return E_POINTER;
        }
        LONG k = 0;
        AccessibleItem item{};
        if (!Lookup(id, &k, &item)) return E_INVALIDARG;
        if (k == CHILDID_SELF) {
            RECT client{};
            if (!GetClientRect(window_, &client)) return E_FAIL;
            item.rect = OsRect{client.left, client.top, client.right, client.bottom};
        }
        POINT corner{item.rect.left, item.rect.top};
        if (!ClientToScreen(window_, &corner)) return E_FAIL;
        *left = corner.x;
        *top = corner.y;
        *width = Span(item.rect.left, item.rect.right);
        *height = Span(item.rect.top, item.rect.bottom);
        return S_OK;
    }
    // Children lead to their neighbours in order; the client area to its first and last child,
    // and further through its standard object, which knows the window's other parts.
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        if (end == nullptr) return E_POINTER;
        end->vt = VT_EMPTY;
        LONG k = 0;
        AccessibleItem item{};
        if (!Lookup(start, &k, &item)) return E_INVALIDARG;
        const LONG count = Count();
        LONG target = 0;
        if (k == CHILDID_SELF && direction == NAVDIR_FIRSTCHILD) {
            target = count > 0 ? 1 : 0;
        } else if (k == CHILDID_SELF && direction == NAVDIR_LASTCHILD) {
            target = count;
        } else if (k == CHILDID_SELF) {
            return NavigateFromClientArea(direction, start, end);
        } else if (direction == NAVDIR_NEXT) {
            target = k < count ? k + 1 : 0;
        } else if (direction == NAVDIR_PREVIOUS) {
            target = k - 1;
        }
        if (target == 0) return S_FALSE;
        SetNumber(end, target);
        return S_OK;
    }
    // The last child whose rectangle holds the point, as the later control lies above.
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* id) override {
        if (id == nullptr) return E_POINTER;
        id->vt = VT_EMPTY;
        POINT p{x, y};
        RECT client{};
        if (!ScreenToClient(window_, &p) || !GetClientRect(window_, &client)) return E_FAIL;
        if (!PtInRect(&client, p)) return S_FALSE;
        LONG found = CHILDID_SELF;
        const LONG count = Count();
        for (LONG k = 1; k <= count; ++k) {
            AccessibleItem item{};
            describe_(k - 1, &item);
            if (Inside(item.rect, p)) found = k;
        }
        SetNumber(id, found);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (focus == nullptr) return E_POINTER;
        focus->vt = VT_EMPTY;
        if (GetFocus() != window_) return S_FALSE;
        // The child that keys act on, else the window itself.
        LONG child = CHILDID_SELF;
        const LONG count = Count();
        for (LONG k = 1; k <= count; ++k) {
            AccessibleItem item{};
            describe_(k - 1, &item);
            if ((item.states & AccessibleFocused) != 0) child = k;
        }
        SetNumber(focus, child);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (selection == nullptr) return E_POINTER;
        selection->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* text) override {
        return NoText(id, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* text) override {
        return NoText(id, text);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* text) override {
        return NoText(id, text);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* text) override {
        return NoText(id, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override {
        if (topic == nullptr) return E_POINTER;
        *topic = -1;
        return NoText(id, file);
    }
    // Choosing stays with the pointer: a release over a button is the program's one way.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }

private:
    LONG Count() const {
        AccessibleItem item{};
        return describe_(-1, &item);
    }
    // The child that `id` names (CHILDID_SELF: the client area) and its description; false
    // when it names none.
    bool Lookup(const VARIANT& id, LONG* k, AccessibleItem* item) const {
        if (id.vt != VT_I4 || id.lVal < 0) return false;
        *k = id.lVal;
        return id.lVal <= describe_(id.lVal - 1, item);
    }
    HRESULT NoText(const VARIANT& id, BSTR* text) const {
        if (text == nullptr) return E_POINTER;
        *text = nullptr;
        LONG k = 0;
        AccessibleItem item{};
        return Lookup(id, &k, &item) ? S_FALSE : E_INVALIDARG;
    }
    HRESULT Title(BSTR* name) const {
        std::wstring title(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
        title.resize(static_cast<size_t>(
            GetWindowTextW(window_, title.data(), static_cast<int>(title.size()))));
        *name = calls_.sysAllocStringLen(title.data(), static_cast<UINT>(title.size()));
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT NavigateFromClientArea(LONG direction, VARIANT start, VARIANT* end) const {
        IAccessible* standard = nullptr;
        HRESULT result = calls_.createStdAccessibleObject(window_, OBJID_CLIENT, IID_IAccessible,
                                                          reinterpret_cast<void**>(&standard));
        if (FAILED(result)) return result;
        result = standard->accNavigate(direction, start, end);
        standard->Release();
        return result;
    }

    HWND window_;
    AccessibleDescriber describe_;
    const ReaderCalls& calls_;
    ULONG references_ = 1;
};

}  // namespace

LResult OsAnswerAccessibleObject(WindowHandle window, WParam wParam, LParam lParam,
                                 AccessibleDescriber describe) {
    HWND hwnd = reinterpret_cast<HWND>(window);
    // The object id is the low 32 bits; 64-bit systems may extend it with ones or with zeros.
    const bool client = static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT;
    const ReaderCalls* calls = client && describe != nullptr ? GetReaderCalls() : nullptr;
    ClientObject* object =
        calls != nullptr ? new (std::nothrow) ClientObject(hwnd, describe, *calls) : nullptr;
    if (object == nullptr) return DefWindowProcW(hwnd, WM_GETOBJECT, wParam, lParam);
    // The answer holds its own reference while the reader has not taken the object.
    const LRESULT answer = calls->lresultFromObject(IID_IAccessible, wParam, object);
    object->Release();
    return answer;
}

void OsNotifyAccessibleEvent(WindowHandle window, AccessibleEvent event, int32_t index) {
    const DWORD kinds[] = {EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE};
    NotifyWinEvent(kinds[static_cast<int32_t>(event)], reinterpret_cast<HWND>(window), OBJID_CLIENT,
                   index + 1);
}
