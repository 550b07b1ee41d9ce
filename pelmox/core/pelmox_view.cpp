#include "pelmox/core/pelmox_view.h"

#include <commctrl.h>

#include "framework/message_map.h"
#include "framework/tool_tips.h"
#include "framework/win_app.h"
#include "pelmox/core/sound_win32.h"
#include "pelmox/res/resource_ids.h"
#include "pelmox/shell/frame_rules.h"
#include "pelmox/shell/speaker_win32.h"
#include "pelmox/shell/timer_period.h"

namespace pelmox {

namespace {

constexpr UINT kFirstViewTimer = 2;
constexpr UINT kLastViewTimer = 14;

}  // namespace

// The monitoring pieces bound to the driver and the form's window.
struct CPelMoxView::Monitor {
    Monitor(CPelMoxView& view, DriverDevice* device)
        : driver(device, view),
          storage(view.settings_, driver, view.registry_, view.vendorFile_),
          display(view.Handle()),
          pictures(display),
          evaluator(driver, view),
          form({view.settings_, driver, storage, pictures, evaluator, view, [&view] { view.toneQueue_.Tick(); }}) {}

    CChipsetDriver driver;
    SettingsStorage storage;
    Win32PictureDisplay display;
    CStatusPictures pictures;
    CAlarmEvaluator evaluator;
    CMonitorForm form;
};

CPelMoxView::CPelMoxView()
    : CFormView(IDD_PELMOX_FORM),
      speaker_(MakeSystemSpeaker()),
      toneQueue_(*speaker_),
      valueBrush_(CreateSolidBrush(kFormBackground)) {}

CPelMoxView::~CPelMoxView() { DeleteObject(valueBrush_); }

bool CPelMoxView::OnWndMsg(UINT message, WPARAM w, LPARAM l) {
    static const fw::MessageEntry<CPelMoxView> kMap[] = {
        fw::OnMessage(WM_TIMER, &CPelMoxView::OnTimer),
        fw::OnMessage(WM_CLOSE, &CPelMoxView::OnClose),
        fw::OnNotifyRange(BN_CLICKED, IDC_ALARM_12V, IDC_ALARM_FAN2, &CPelMoxView::OnAlarmBox),
        fw::OnNotifyRange(BN_CLICKED, IDC_ALARM_CPU_TEMP, IDC_ALARM_CPU_TEMP, &CPelMoxView::OnAlarmBox),
        fw::OnNotify(CBN_SELCHANGE, IDC_ITEM_LIST, &CPelMoxView::OnListSelection),
        fw::OnMessage(WM_HSCROLL, &CPelMoxView::OnHScroll),
        fw::OnMessage(WM_CTLCOLORSTATIC, &CPelMoxView::OnColour),
        fw::OnMessage(WM_NOTIFY, &CPelMoxView::OnNotify),
        fw::OnMessage(WM_DRIVERNOTIFY, &CPelMoxView::OnDriverNotify),
    };
    return fw::Dispatch(*this, kMap, message, w, l) || CFormView::OnWndMsg(message, w, l);
}

bool CPelMoxView::OnCmdMsg(UINT id, fw::CCmdUI* state) {
    static const fw::CommandEntry<CPelMoxView> kCommands[] = {
        fw::Command(ID_SOUND, &CPelMoxView::OnSound, &CPelMoxView::OnUpdateSound),
        fw::Command(ID_RESET_DEFAULT, &CPelMoxView::OnResetToDefault),
        fw::CommandRange(ID_SHOW_CPU_FAN, ID_SHOW_VOLTAGE4, &CPelMoxView::OnShowItem,
                         &CPelMoxView::OnUpdateShowItem),
        fw::Command(ID_TEMP_UNIT, &CPelMoxView::OnTempUnit, &CPelMoxView::OnUpdateTempUnit),
    };
    return monitor_ != nullptr && fw::RouteCommand(*this, kCommands, id, state);
}

// The driver opened and told of the view, the settings loaded, the timer
// started. Only a failure of the window itself fails the creation.
bool CPelMoxView::OnCreate() {
    DWORD error = device_.OpenDriver();
    if (error != 0) {
        OpenFailure failure = OpenFailureMessage(error);
        monitor_ = std::make_unique<Monitor>(*this, nullptr);
        ShowMessage(failure.text, failure.icon);
        PostQuit();
        return true;
    }
    monitor_ = std::make_unique<Monitor>(*this, &device_);
    monitor_->driver.RegisterNotify(static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(hwnd_)));
    monitor_->form.OnCreate();
    timer_ = SetFirstFreeTimer(kFirstViewTimer, kLastViewTimer, TimerPeriodMs());
    if (timer_ == 0) {
        MessageBoxA(hwnd_, "Can't allocate Timer", kProgramCaption, MB_OK | MB_ICONEXCLAMATION);
        PostMessageA(hwnd_, WM_QUIT, 0, 0);
    }
    return true;
}

void CPelMoxView::OnInitialUpdate() { EnableToolTips(); }

void CPelMoxView::OnDestroy() {
    if (monitor_ != nullptr && device_.IsOpen()) monitor_->storage.SaveSettings();
    device_.Close();
    timer_ = 0;
}

void CPelMoxView::OnDraw(HDC) {
    if (monitor_ != nullptr) monitor_->form.UpdateDisplay();
}

void CPelMoxView::OnTimer(WPARAM, LPARAM) {
    if (monitor_ != nullptr) monitor_->form.OnTimerTick();
}

void CPelMoxView::OnClose(WPARAM, LPARAM) {
    PostMessageA(fw::MainWindow(), WM_CLOSE, 0, 0);
    SleepEx(300, TRUE);
    if (timer_ != 0) KillTimer(hwnd_, timer_);
    timer_ = 0;
}

void CPelMoxView::OnAlarmBox(UINT id) { monitor_->form.OnAlarmBox(static_cast<int>(id)); }

void CPelMoxView::OnListSelection() { monitor_->form.OnListSelection(); }

void CPelMoxView::OnHScroll(WPARAM, LPARAM) { monitor_->form.OnSlider(); }

void CPelMoxView::OnColour(WPARAM dc, LPARAM control) {
    ColourCode code = monitor_ != nullptr ? monitor_->form.ColourOf(GetDlgCtrlID(reinterpret_cast<HWND>(control)))
                                          : ColourDefault;
    ControlColours colours = ColoursOf(code);
    auto* context = reinterpret_cast<HDC>(dc);
    SetTextColor(context, colours.text);
    if (colours.greyBackground) {
        SetBkColor(context, kFormBackground);
        SetMsgResult(reinterpret_cast<LRESULT>(valueBrush_));
    } else {
        SetBkColor(context, GetSysColor(COLOR_BTNFACE));
        SetMsgResult(reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));
    }
}

// Tooltips name their control by its window.
void CPelMoxView::OnNotify(WPARAM, LPARAM l) {
    auto* header = reinterpret_cast<NMHDR*>(l);
    if (!fw::IsToolTipRequest(*header)) return;
    HWND control = fw::RequestingWindow(header);
    const char* text = control != nullptr ? TooltipText(GetDlgCtrlID(control)) : nullptr;
    if (text != nullptr) fw::AnswerToolTip(header, text);
}

void CPelMoxView::OnSound() { monitor_->form.OnSound(); }

void CPelMoxView::OnUpdateSound(fw::CCmdUI& state) { state.SetCheck(monitor_->form.SoundChecked()); }

void CPelMoxView::OnResetToDefault() { monitor_->form.OnResetToDefault(); }

void CPelMoxView::OnShowItem(UINT id) { monitor_->form.OnShowItem(static_cast<int>(id)); }

void CPelMoxView::OnUpdateShowItem(fw::CCmdUI& state) {
    MenuState item = monitor_->form.ShowItemState(static_cast<int>(state.Id()));
    state.Enable(item.enabled);
    state.SetCheck(item.checked);
}

void CPelMoxView::OnTempUnit() { monitor_->form.OnTempUnit(); }

void CPelMoxView::OnUpdateTempUnit(fw::CCmdUI& state) { state.SetCheck(monitor_->form.TempUnitChecked()); }

std::uint32_t CPelMoxView::AlarmChecks() { return monitor_->form.GetAlarmChecks(); }

bool CPelMoxView::PlaySoundFile(const char* name) { return PlayWaveAsync(name); }

void CPelMoxView::EnqueueTone(int hertz, int milliseconds) { toneQueue_.Enqueue(hertz, milliseconds); }

void CPelMoxView::ShowWarning(const std::string& text, int kind) { warning_.ShowWarning(text, kind); }

// One failure is told; the program is ending, and the ticks that run
// while the message is up would otherwise stack a message on a message.
void CPelMoxView::ShowMessage(const std::string& text, MessageIcon icon) {
    if (failureShown_) return;
    failureShown_ = true;
    MessageBoxA(hwnd_, text.c_str(), kProgramCaption, MB_OK | static_cast<UINT>(icon));
}

void CPelMoxView::PostQuit() { PostQuitMessage(0); }

void CPelMoxView::SetText(int control, const std::string& text) { SetDlgItemTextA(hwnd_, control, text.c_str()); }

void CPelMoxView::SetCheck(int control, bool checked) {
    CheckDlgButton(hwnd_, control, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool CPelMoxView::IsChecked(int control) { return IsDlgButtonChecked(hwnd_, control) == BST_CHECKED; }

void CPelMoxView::AddListText(const char* text) {
    SendDlgItemMessageA(hwnd_, IDC_ITEM_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void CPelMoxView::SelectListIndex(int index) { SendDlgItemMessageA(hwnd_, IDC_ITEM_LIST, CB_SETCURSEL, index, 0); }

int CPelMoxView::ListSelection() {
    return static_cast<int>(SendDlgItemMessageA(hwnd_, IDC_ITEM_LIST, CB_GETCURSEL, 0, 0));
}

void CPelMoxView::SetSliderRange(int control, int low, int high) {
    SendDlgItemMessageA(hwnd_, control, TBM_SETRANGE, FALSE, MAKELPARAM(low, high));
}

void CPelMoxView::SetSliderPosition(int control, int position) {
    SendDlgItemMessageA(hwnd_, control, TBM_SETPOS, TRUE, position);
}

int CPelMoxView::SliderPosition(int control) {
    return static_cast<int>(SendDlgItemMessageA(hwnd_, control, TBM_GETPOS, 0, 0));
}

void CPelMoxView::InvalidateForm() { InvalidateRect(hwnd_, nullptr, FALSE); }

void CPelMoxView::ShowMessage(const std::string& text, const std::string& caption, unsigned icon) {
    MessageBoxA(hwnd_, text.c_str(), caption.c_str(), MB_OK | icon);
}

}  // namespace pelmox
