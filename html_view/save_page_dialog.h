#pragma once
// The dialog that asks where and in which form to save a page.
#include "html_view/page_saver.h"

#include <optional>

class QWidget;

struct SavePageChoice {
    QString path;
    PageSaver::Format format;
};

std::optional<SavePageChoice> askWhereToSavePage(QWidget *parent, const QString &suggestedName);
