#include "config/SurveyState.h"

bool SurveyState::take(const ConfigDocuments::Content &content, Texts rule)
{
    switch (content.kind) {
    case ConfigDocuments::Kind::Reasons:
        singleChoice = content.singleChoice;
        users = content.users;
        keys += content.causeKeys;
        return false;
    case ConfigDocuments::Kind::ReasonTexts:
        if (rule == Texts::OfListedReasons)
            texts = ConfigDocuments::causeTextsFor(content.causeTexts, keys);
        else
            texts.insert(ConfigDocuments::allCauseTexts(content.causeTexts));
        return true;
    case ConfigDocuments::Kind::RecommendedApps:
    case ConfigDocuments::Kind::Unknown:
        break;
    }
    return false;
}
