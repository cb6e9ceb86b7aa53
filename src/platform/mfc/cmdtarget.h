// CCmdTarget: the root of every class with a message map. OnCmdMsg routes commands
// (WM_COMMAND ids) and, with nCode = MAKELONG(code, WM_NOTIFY), notifications through the
// map.
#pragma once

#include "platform/mfc/msgmap.h"
#include "platform/mfc/object.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // pExtra is the AFX_NOTIFY of a notification; pHandlerInfo, when given, only asks
    // whether a handler exists (it is filled, nothing is called).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
