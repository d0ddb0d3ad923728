#pragma once
// The results of a modal form or message dialog: the button that closed it. From mrOk to mrNo they
// are the platform's own dialog results (IDOK ... IDNO).
enum : int { mrNone, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrYes, mrNo, mrAll };
