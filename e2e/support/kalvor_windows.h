// The titles by which a test finds kalvor's windows (all of them dialogs).
#pragma once

namespace e2e {

constexpr char kDialogClass[] = "#32770";
constexpr char kKalvorMainTitle[] = "Ostrel System Health Monitor R2.20";
constexpr char kKalvorWaitTitle[] = "Ostrel System Monitor";
constexpr char kKalvorWarningTitle[] = "Kalvor warning messages";
constexpr char kKalvorQuestionTitle[] = "Health Center Message";

}  // namespace e2e
