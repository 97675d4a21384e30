#include "core/entry/SidePanelText.h"

namespace tq {

const std::vector<std::string>& learningSkillsKeyLines()
{
    static const std::vector<std::string> lines{
        "1 (Needs Improvement)   2 (Satisfactory)   3 (Good)   4 (Excellent)",
        " ",
        "R   Responsibility - The student:",
        "     - meets commitments and hands in work on time;",
        "     - takes ownership of choices, actions and their results;",
        "     - keeps promises made to classmates and teachers.",
        "O   Organization - The student:",
        "     - plans the steps of a task and sets priorities;",
        "     - keeps notes, materials and deadlines in order;",
        "     - uses time in class well and finishes what is started.",
        "W   Independent Work - The student:",
        "     - works on a task without needing reminders;",
        "     - follows instructions and checks own progress;",
        "     - stays on task and uses class time productively.",
        "C   Collaboration - The student:",
        "     - accepts different roles and a fair share of the work;",
        "     - listens to others and responds with respect;",
        "     - shares ideas, information and resources freely;",
        "     - helps the group settle disagreements calmly;",
        "     - builds good working relationships with peers and",
        "       adults, in class and beyond.",
        "I    Initiative - The student:",
        "     - looks for new ideas and chances to learn;",
        "     - approaches new tasks with curiosity and confidence;",
        "     - takes sensible risks and tries new approaches;",
        "     - asks questions and seeks help when needed;",
        "     - speaks up for own needs and the needs of others.",
        "S   Self-Regulation - The student:",
        "     - sets personal goals and watches progress toward them;",
        "     - thinks about strengths and next steps;",
        "     - manages feelings and behaviour in class;",
        "     - keeps going when work is hard and adjusts the plan",
        "       when something does not work;",
        "     - asks for feedback and uses it to improve.",
        " ",
        "P    IEP  (left click on this Heading to turn ALL off, right click to turn ALL on)",
        "E    ESL  (only one ESL xor ELD flag per student is permitted by Trillium)",
        "D    ELD" + std::string(35, ' ') + "\"",
        "T    Teacher Interview Requested" + std::string(11, ' ') + "\"",
    };
    return lines;
}

} // namespace tq
