#pragma once
// The one engine profile both panes share, so that one pane's new window can open in the other.
class QWebEngineProfile;

QWebEngineProfile *engineProfile();
