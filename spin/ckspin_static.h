// The separator between two fields of a spin control: a static text that paints itself white
// while enabled (so it reads as part of the fields around it) and in the button face colour,
// with grey text, while disabled. Made and owned by CKSpin; hosts never see it.
#pragma once

#include <afxwin.h>

class CKSpinStatic : public CStatic {
public:
    CKSpinStatic() = default;
    virtual ~CKSpinStatic();

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
