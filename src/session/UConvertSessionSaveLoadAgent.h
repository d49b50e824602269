#pragma once
// TConvertSessionSaveLoadAgent: how a wizard saves and loads its session. The
// wizard's form mapper (which copies between the pages and the option objects)
// comes in as a TSessionFormMapper; neither it nor the session is owned.

#include <QString>

class TConvertSession;
class TSessionManager;

class TSessionFormMapper {
public:
    virtual ~TSessionFormMapper() = default;
    virtual void PagesToOptions() = 0;
    virtual void OptionsToPages() = 0;
    // Checks the pages; the mapper shows what is wrong.
    virtual bool ValidatePages() = 0;
};

class TConvertSessionSaveLoadAgent {
public:
    TConvertSessionSaveLoadAgent(TConvertSession& session, TSessionFormMapper& mapper, TSessionManager& manager)
        : FSession(session), FMapper(mapper), FManager(manager) {}

    // On closing the wizard: true to go on closing. Copies the pages into the
    // options; when the user wants the changes saved, checks the pages and
    // saves. Any error inside counts as true, so a wizard can always close.
    bool SaveOnClose();
    // When the pages are valid: copy them into the options and save as.
    bool Save();
    // The session's LoadFromFile, then the options into the pages.
    void Load(const QString& fileName);

private:
    TConvertSession& FSession;
    TSessionFormMapper& FMapper;
    TSessionManager& FManager;
};
