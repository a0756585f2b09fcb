#include "shell/application.h"

#include "shell/help_menu.h"
#include "shell/startfrm.h"

namespace shell {

Application::Application(platform::Runtime& runtime) : runtime_(runtime) {
    claimSettingsRecords(settings::ShellRecords);
    claimHelpTopics(ShellTopics);
}

Application::~Application() = default;

void Application::claimSettingsRecords(std::span<const settings::RecordMapEntry> records) {
    for (const auto& [ref, setting] : records) settingsRecords.claim(settings::KeyOf(ref), setting);
}

void Application::claimHelpTopics(std::span<const HelpTopicEntry> topics) {
    for (const auto& [number, title] : topics) helpTopics.claim(number, title);
}

void Application::registerActivity(Activity activity, ActivityRegistration registration) {
    activities_[activity] = std::move(registration);
}

void Application::registerBackupWindow(std::function<void()> showModal) {
    showBackupWindow_ = std::move(showModal);
}

bool Application::showBackupWindow() {
    if (!showBackupWindow_) return false;
    showBackupWindow_();
    return true;
}

bool Application::showActivity(Activity activity) {
    const auto found = activities_.find(activity);
    if (found == activities_.end() || !found->second.show) return false;
    found->second.show();
    return true;
}

bool Application::isActivityOpen(Activity activity) const {
    const auto found = activities_.find(activity);
    return found != activities_.end() && found->second.isOpen && found->second.isOpen();
}

bool Application::closeActivities() {
    for (auto& [activity, registration] : activities_) {
        if (!registration.isOpen || !registration.isOpen() || !registration.close) continue;
        if (!registration.close()) return false;
    }
    return true;
}

void Application::Start() {
    runtime_.setHelpFile(HelpFileName);
    window<Startfrm>().Show();
}

}  // namespace shell
