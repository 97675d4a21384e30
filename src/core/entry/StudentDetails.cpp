#include "core/entry/StudentDetails.h"

#include "core/phrases/Composition.h"

namespace tq {

Message commentTooLongMessage()
{
    Message m{std::string("The length of your comments for this student ") + "exceeds the allowable length for Trillium. " +
                  "You must use shorter and/or fewer comments " + "to make your point. We're not saying you can't use " +
                  "all 5 comments, but taken together they must be within " + "Trillium limits.",
              "TQ8A: Trillium Comment Length Exceeded"};
    m.icon = Message::Icon::Exclamation;
    return m;
}

StudentDetails studentDetails(const StudentRecord& s, const PhraseLibrary& library, bool showCourseCodes)
{
    StudentDetails d;
    std::string text;
    if (s.hasFreeForm) {
        text = s.freeFormComment;
    } else {
        const ComposedComments c = composeComments(s, library);
        d.tooLong = c.totalLength > trilliumCommentLimit;
        for (int k = 1; k <= commentCount; ++k) {
            text += codeTag(s.comment(k));
            text += c.texts[static_cast<size_t>(k - 1)];
        }
    }
    const WrappedText w = wrapText(text, detailWrapWidth);
    d.remainder = w.rest;

    std::string skills;
    for (int k = 1; k <= skillCount; ++k)
        skills += "  " + s.skill(k);

    const size_t margin = showCourseCodes ? 29 : 22;
    const std::string indent(margin, ' ');
    const std::string fifth = w.rest.size() < detailRemainderCut ? padRight(w.rest, detailWrapWidth)
                                                                 : w.rest.substr(0, detailRemainderCut) + " ...";
    if (showCourseCodes) {
        d.lines[0] = padRight(s.studentNumber, 13) + padRight(s.courseCode, 10) + padRight("Mark", 6) +
                     padRight(w.lines[0], detailWrapWidth) + " Learning Skills";
        d.lines[1] = padRight(s.lastName, 25) + padRight(s.mark, 4) + padRight(w.lines[1], detailWrapWidth) +
                     " RE OR IW CO IN SR";
        d.lines[2] = padRight(s.firstName, 29) + padRight(w.lines[2], detailWrapWidth) + skills;
        d.lines[3] = indent + padRight(w.lines[3], detailWrapWidth) + " Interview : " + s.interview;
    } else {
        d.lines[0] = padRight(s.studentNumber, 16) + padRight("Mark", 6) + padRight(w.lines[0], detailWrapWidth) +
                     " Learning Skills";
        d.lines[1] = padRight(s.lastName, 18) + padRight(s.mark, 4) + padRight(w.lines[1], detailWrapWidth) +
                     " RE OR IW CO IN SR";
        d.lines[2] = padRight(s.firstName, 22) + padRight(w.lines[2], detailWrapWidth) + skills;
        d.lines[3] = indent + padRight(w.lines[3], detailWrapWidth) + " Interview Request: " + s.interview;
    }
    d.lines[4] = indent + fifth;
    return d;
}

} // namespace tq
