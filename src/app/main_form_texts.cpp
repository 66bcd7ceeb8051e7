// The custom texts panel: the memo whose lines are the map's custom texts.

#include "app/control_panel.h"
#include "app/custom_texts.h"
#include "app/custom_texts_memo.h"
#include "app/main_form.h"
#include "editing/editor_session.h"

void TMainForm::ConnectCustomTexts() {
  Memo = std::make_unique<CustomTextsMemo>(
      *Panel1->MCustomTexts, *Panel1->LCustomTextsLinerNumber,
      [this](std::vector<std::string> lines) { MCustomTextsChange(std::move(lines)); });
}

// An edit of the texts is an edit of the map.
void TMainForm::MCustomTextsChange(std::vector<std::string> lines) {
  Session.Document.SetCustomTexts(std::move(lines));
  Session.Document.MarkChanged();
}

void TMainForm::SetCustomTextsMemo(const std::vector<std::string>& lines) {
  SetCustomTextsMemoText(CustomTextsMemoText(lines));
}

void TMainForm::SetCustomTextsMemoText(const QString& text) {
  Session.Document.SetCustomTexts(Memo->Show(text));
}
