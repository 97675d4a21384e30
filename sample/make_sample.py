#!/usr/bin/env python3
"""Regenerate the Tallyquill sample data in this folder.

Writes TQPhraseLibrary.csv, TQStudentInfo.txt, Sample.tqf and ENG2D101.tqc as
Windows-1252 text with CR LF line ends, then reads them back and checks them.
The output is deterministic (fixed random seeds).  Run:  python3 make_sample.py
"""

# ---------------------------------------------------------------------------
# Phrase content
# ---------------------------------------------------------------------------
# Each section is (first code, heading, [(text, markers), ...]); the heading line
# gets the first code and ends in "#", the phrases take the codes after it.
# Placeholders: @ first name or he/she, % name's or his/her, $ always the name,
# # his/her, * him/her, ~ son/daughter.
# Markers: grades 1-9, categories ! ^ & (, learning skills ) = + : - ?,
# departments A-Z < > { } [ ] \ /.
# A text that starts with a double quote is written quoted, with a final period.

ALL = "123456789"

SECTIONS = [
    (100, "Learning Skills - Responsibility", [
        ("@ consistently completes and submits assignments on time", ALL + ")^"),
        ("@ fulfils responsibilities and commitments within the learning environment", ALL + ")^"),
        ("@ takes responsibility for # own behaviour and learning", ALL + ")^"),
        ("@ arrives prepared for class, with all materials, and is ready to begin work promptly", ALL + ")^"),
        ("\"@ manages # time well, meets deadlines, and rarely needs reminders.\"", ALL + ")^"),
        ("$ is a dependable member of the class who can be counted on to follow through", ALL + ")^"),
        ("@ accepts feedback graciously and acts on it in later work", ALL + ")^("),
        ("@ is encouraged to submit all assignments on or before the due date", ALL + ")&"),
        ("@ needs to complete homework regularly in order to consolidate the day's learning", ALL + ")&"),
        ("Missing assignments have lowered % mark this term", ALL + ")(&"),
        ("@ should use a planner to record due dates and check it at the end of each day", ALL + ")&"),
        ("\"Regular attendance will help * keep up with new material, and avoid gaps in understanding.\"", ALL + ")&"),
        ("Please encourage your ~ to make up missed work as soon as possible after an absence", ALL + ")&"),
        ("@ must take greater responsibility for catching up on work missed during absences", ALL + ")&"),
        ("% late submissions have made it difficult to give timely feedback", ALL + ")(&"),
        ("@ is reminded that punctual arrival to class shows respect for classmates and teachers", ALL + ")&"),
        ("It has been a pleasure to see your ~ take ownership of # learning this term", ALL + ")^"),
        ("@ has shown improvement in handing in work on time, and this should continue next term", ALL + ")&^"),
    ]),
    (200, "Learning Skills - Organization", [
        ("@ devises and follows a clear plan to complete work and tasks", ALL + "=^"),
        ("@ establishes priorities and manages time well to complete tasks and achieve goals", ALL + "=^"),
        ("% notebook is neat, complete and well organized", ALL + "=^("),
        ("@ identifies, gathers, evaluates and uses information, technology and resources to complete tasks", ALL + "=^"),
        ("\"@ breaks large projects into manageable steps, and sets checkpoints for each one.\"", ALL + "=^"),
        ("$ keeps careful records of # work, which makes review before tests efficient", ALL + "=^"),
        ("@ would benefit from keeping notes and handouts in a single binder, sorted by unit", ALL + "=&"),
        ("@ should begin long-term assignments early rather than leaving them to the last few days", ALL + "=&"),
        ("A weekly check of % binder at home would help * stay organized", ALL + "=&"),
        ("@ is encouraged to bring all required materials to every class", ALL + "=&"),
        ("Disorganized notes made it hard for @ to prepare for the unit tests", ALL + "=(&"),
        ("\"@ often misplaces handouts, so a folder for each subject, checked daily, is recommended.\"", ALL + "=&"),
        ("@ plans the stages of a task carefully, estimating how long each will take", ALL + "=^"),
        ("Your ~ would benefit from a quiet, regular place to study at home", ALL + "=&"),
        ("@ uses class time efficiently and arrives with a clear idea of what needs to be done", ALL + "=^"),
        ("@ needs to check the class website regularly for updates and posted resources", ALL + "=&"),
        ("% organization of digital files has improved noticeably over the term", ALL + "=^("),
    ]),
    (300, "Learning Skills - Independent Work", [
        ("@ independently monitors, assesses and revises plans to complete tasks and meet goals", ALL + "-^"),
        ("@ uses class time appropriately to complete tasks", ALL + "-^"),
        ("@ follows instructions with minimal supervision", ALL + "-^"),
        ("\"@ works steadily and quietly on # own, and stays focused until the task is complete.\"", ALL + "-^"),
        ("$ is able to work through difficult problems independently before asking for help", ALL + "-^"),
        ("@ is encouraged to attempt tasks independently before seeking assistance", ALL + "-&"),
        ("@ needs frequent reminders to stay on task during independent work periods", ALL + "-&"),
        ("@ should make better use of class time, as much of % work is left unfinished", ALL + "-&("),
        ("Rereading instructions carefully will help * avoid careless errors", ALL + "-&"),
        ("@ is easily distracted by classmates and should choose a seat that supports focus", ALL + "-&"),
        ("@ has become more confident working alone, relying less on the teacher for direction", ALL + "-^"),
        ("\"@ checks # own work against the success criteria, before handing it in.\"", ALL + "-^"),
        ("@ would benefit from setting small goals for each work period and checking them off", ALL + "-&"),
        ("Your ~ should seek extra help when unsure rather than waiting until the task is due", ALL + "-&"),
        ("@ sustains attention on demanding tasks for extended periods", ALL + "-^"),
        ("@ completed the independent study unit with care, meeting every checkpoint on time", ALL + "-^("),
    ]),
    (400, "Learning Skills - Collaboration", [
        ("@ accepts various roles and an equitable share of work in a group", ALL + ":^"),
        ("@ responds positively to the ideas, opinions, values and traditions of others", ALL + ":^"),
        ("@ builds healthy peer-to-peer relationships through personal and media-assisted interactions", ALL + ":^"),
        ("@ works with others to resolve conflicts and build consensus to achieve group goals", ALL + ":^"),
        ("@ shares information, resources and expertise and promotes critical thinking to solve problems", ALL + ":^"),
        ("\"@ listens respectfully to others, builds on their ideas, and keeps the group on task.\"", ALL + ":^"),
        ("$ is a supportive partner who helps classmates understand difficult material", ALL + ":^"),
        ("@ is encouraged to contribute more actively to group discussions", ALL + ":&"),
        ("@ should allow others to share their ideas before offering # own", ALL + ":&"),
        ("@ needs to do a fair share of the work during group projects", ALL + ":&"),
        ("Working with a wider range of classmates will help * develop new perspectives", ALL + ":&"),
        ("@ is a natural leader who organizes the group, assigns roles fairly, and makes sure every voice is heard", ALL + ":^"),
        ("% contributions to the group presentation were thoughtful and well researched", ALL + ":^("),
        ("@ sometimes relies on group members to complete tasks and should take a more active role", ALL + ":&"),
        ("\"@ works well with others, though # side conversations can distract the group.\"", ALL + ":&"),
        ("@ gives constructive feedback to peers, and receives feedback with an open mind", ALL + ":^"),
    ]),
    (500, "Learning Skills - Initiative", [
        ("@ looks for and acts on new ideas and opportunities for learning", ALL + "+^"),
        ("@ demonstrates the capacity for innovation and a willingness to take risks", ALL + "+^"),
        ("@ demonstrates curiosity and interest in learning", ALL + "+^"),
        ("@ approaches new tasks with a positive attitude", ALL + "+^"),
        ("@ recognizes and advocates appropriately for the rights of self and others", ALL + "+^"),
        ("\"@ often goes beyond the requirements of an assignment, and explores the topic further.\"", ALL + "+^"),
        ("$ asks thoughtful questions that deepen the discussion for the whole class", ALL + "+^"),
        ("@ is encouraged to ask questions in class when a concept is unclear", ALL + "+&"),
        ("@ should take advantage of extra help sessions offered at lunch", ALL + "+&"),
        ("@ would benefit from volunteering answers more often, as # ideas are valuable", ALL + "+&"),
        ("@ needs to show more interest in the course material and participate more fully", ALL + "+&"),
        ("Your ~ is encouraged to seek out enrichment opportunities such as clubs and contests", ALL + "+&"),
        ("@ took the initiative to organize a study group before the exam", ALL + "+^("),
        ("@ willingly tries new strategies when a first attempt does not succeed", ALL + "+^"),
        ("@ should set personal learning goals, and seek out resources to meet them", ALL + "+&"),
        ("% enthusiasm for learning sets a positive tone in the classroom", ALL + "+^"),
    ]),
    (600, "Learning Skills - Self-Regulation", [
        ("@ sets own individual goals and monitors progress towards achieving them", ALL + "?^"),
        ("@ seeks clarification or assistance when needed", ALL + "?^"),
        ("@ assesses and reflects critically on # own strengths, needs and interests", ALL + "?^"),
        ("@ identifies learning opportunities, choices and strategies to meet personal needs and achieve goals", ALL + "?^"),
        ("@ perseveres and makes an effort when responding to challenges", ALL + "?^"),
        ("\"@ stays calm under pressure, and handles setbacks with maturity.\"", ALL + "?^"),
        ("$ reflects honestly on # progress and adjusts # study habits accordingly", ALL + "?^"),
        ("@ is encouraged to persevere when a task becomes difficult instead of giving up", ALL + "?&"),
        ("@ should reflect on feedback and set specific goals for improvement", ALL + "?&"),
        ("@ needs to manage # use of personal devices during class time", ALL + "?&"),
        ("@ would benefit from monitoring # own progress using the course checklist", ALL + "?&"),
        ("Talking with your ~ about a study schedule before tests may help * prepare more effectively", ALL + "?&"),
        ("@ has learned to recognize when a break is needed and returns to work refocused", ALL + "?^"),
        ("@ is working on managing frustration, and has shown real growth this term", ALL + "?^&"),
        ("% ability to set and meet personal goals has been a highlight of the semester", ALL + "?^("),
    ]),
    (700, "General Comments", [
        ("$ is a pleasure to have in class", ALL + "^"),
        ("It has been a pleasure to teach your ~ this semester", ALL + "^"),
        ("@ has made steady progress throughout the term", ALL + "^!"),
        ("@ has demonstrated a thorough understanding of the course concepts", ALL + "!^"),
        ("@ has demonstrated a considerable understanding of most course concepts", ALL + "!"),
        ("@ has demonstrated some understanding of the course concepts", ALL + "!"),
        ("@ has demonstrated a limited understanding of the course concepts", ALL + "!&"),
        ("\"@ has worked hard this term, and # effort is reflected in # results.\"", ALL + "^("),
        ("% mark reflects a strong performance on both tests and assignments", ALL + "(^"),
        ("% final mark was lowered by incomplete summative work", ALL + "(&"),
        ("@ achieved an excellent result on the final summative task", ALL + "(^"),
        ("@ performed well on assignments but found the unit tests more challenging", ALL + "(&"),
        ("@ is encouraged to review class notes regularly, not just before tests", ALL + "&"),
        ("@ is encouraged to attend extra help sessions to strengthen # understanding", ALL + "&"),
        ("Please contact me to arrange an interview to discuss % progress", ALL + "&"),
        ("I would welcome the opportunity to meet with you to discuss how we can support your ~", ALL + "&"),
        ("@ should continue to apply the same effort next semester", ALL + "&^"),
        ("Consistent review of key concepts, and regular practice, will help * achieve # goals", ALL + "&"),
        ("@ has the ability to achieve at a higher level with more consistent effort", ALL + "&"),
        ("\"With continued effort, @ will be well prepared for the next course in this subject.\"", ALL + "&"),
        ("@ has shown remarkable growth this semester, particularly in the second half of the course, where # work became more thoughtful, more complete and more confident", ALL + "^("),
        ("Although @ has struggled with some of the more abstract concepts this term, # willingness to ask questions and revisit difficult material is a real strength to build on", ALL + "^&"),
        ("To improve % achievement next term, @ should complete all practice work, review feedback carefully before each test, and attend at least one extra help session per unit", ALL + "&"),
        ("@ is encouraged to set aside a regular time each evening for review, to keep a list of questions, and to bring those questions to class or to extra help sessions", ALL + "&"),
        ("$ has been a positive presence in our classroom, always ready with encouragement for classmates, a thoughtful question, or an offer to help set up for an activity", ALL + "^"),
        ("Evidence of % learning was gathered through observations, conversations and products", ALL + "("),
        ("@ demonstrated this learning through a final project and presentation", ALL + "("),
        ("% portfolio shows clear growth from the first unit to the last", ALL + "(^"),
        ("@ did not complete enough assessments for a mark to be assigned at this time", ALL + "(&"),
        ("@ has not yet submitted the culminating task", ALL + "(&"),
        ("Thank you for your support of your ~'s learning this semester", ALL + "^"),
    ]),
    (1000, "English", [
        ("@ reads a variety of texts with understanding and identifies important ideas and supporting details", "K123!"),
        ("@ has learned to analyse how authors use literary devices to develop theme", "K356!"),
        ("@ can identify the purpose and audience of a variety of informational texts", "K124!"),
        ("\"@ writes well-organized essays, with a clear thesis, and relevant supporting evidence.\"", "K356^"),
        ("% writing shows a strong personal voice and a growing command of vocabulary", "K1356^"),
        ("@ contributes insightful comments to class discussions of literature", "K3567^"),
        ("@ presented a thoughtful independent study on a novel of # choice", "K6(!"),
        ("@ demonstrated a strong understanding of Shakespeare's language, character and theme", "K356!^"),
        ("@ has learned to revise and edit # work for clarity, style and correctness", "K12358!"),
        ("$ read aloud with expression and confidence during the drama unit", "K123^("),
        ("@ should proofread carefully to reduce errors in spelling, grammar and punctuation", "K123456789&"),
        ("@ needs to support ideas with specific evidence from the text", "K1356&"),
        ("@ is encouraged to read independently for at least twenty minutes every day", "K12345789&"),
        ("Planning with a graphic organizer before writing would help * structure # essays", "K1248&"),
        ("@ should expand # vocabulary by noting and using new words from # reading", "K1245&"),
        ("% persuasive essay was well argued, and showed a strong awareness of audience", "K356(^"),
        ("@ completed a research report on a current issue, citing sources correctly", "K2357(!"),
        ("@ wrote a personal narrative, a short story, and a news article this term", "K124(!"),
        ("@ has learned to write clear business letters, resumes and cover letters", "K2489!"),
        ("@ can summarize the main idea of a text, and explain how details support it", "K1249!"),
        ("\"% oral presentation was clear, well paced, and supported by good visuals.\"", "K12358(^"),
        ("@ is encouraged to participate in class discussions, as % insights about the texts are often perceptive", "K356&"),
        ("@ demonstrated a sophisticated analysis of the novel's narrative structure in the final essay", "K6(^"),
        ("@ has learned to evaluate the reliability of online sources", "K35679!"),
        ("@ should integrate quotations smoothly into # own sentences", "K3567&"),
        ("@ needs to complete the assigned reading on time in order to take part in discussion", "K123456789&"),
        ("@ demonstrated an excellent understanding of the poetry unit, analysing imagery, sound and form with precision, and writing a polished comparative essay on two poems", "K356(^!"),
        ("Throughout the semester, @ has read widely and thoughtfully, writing reading responses that connect the texts to # own experience and to current events in the wider world", "K1356(^"),
        # The same sentence under several subjects, as school libraries have: "Don't Show Dups"
        # hides the repeats.
        ("$ is a pleasure to have in class", "K123456789^"),
    ]),
    (1100, "Mathematics", [
        ("@ solves multi-step problems involving linear relations", "Q23!"),
        ("@ has learned to solve systems of linear equations graphically and algebraically", "Q3!"),
        ("@ can determine the properties of quadratic relations and represent them in several forms", "Q36!"),
        ("@ has learned to solve problems using the primary trigonometric ratios", "Q237!"),
        ("@ has learned to represent and simplify polynomial expressions", "Q13!"),
        ("@ solves problems involving financial applications, including simple and compound interest", "Q589!"),
        ("@ has learned to analyse exponential and logarithmic functions", "Q6!"),
        ("@ applies the rules of differential calculus to solve rate of change problems", "Q6!"),
        ("@ communicates mathematical thinking clearly, using correct notation and terminology", "Q123456789^"),
        ("\"@ shows all steps in # solutions, which makes # reasoning easy to follow.\"", "Q123456789^"),
        ("$ is quick to see connections between new topics and earlier concepts", "Q3567^"),
        ("@ should show all steps of # work to earn full marks for communication", "Q123456789&"),
        ("@ needs to check answers for reasonableness", "Q12489&"),
        ("@ should complete the assigned practice questions after each lesson", "Q123456789&"),
        ("@ is encouraged to review fraction and integer skills, as gaps in these areas affect # work", "Q124&"),
        ("Making a summary sheet of formulas and examples for each unit will help * prepare for tests", "Q23678&"),
        ("@ would benefit from attending the math help room at lunch", "Q123456789&"),
        ("% test results show a solid grasp of algebraic skills", "Q1356(^"),
        ("@ scored well on the unit tests, but % problem-solving tasks were incomplete", "Q237(&"),
        ("\"@ completed an investigation of data, using spreadsheets, graphs, and measures of spread.\"", "Q1567(!"),
        ("@ has learned to measure and calculate perimeter, area and volume of composite figures", "Q1249!"),
        ("@ uses technology such as graphing software effectively to explore relationships", "Q23567^"),
        ("@ has learned to solve problems involving probability, counting and statistics", "Q57!"),
        ("@ perseveres with challenging problems and tries more than one approach", "Q123456789^?"),
        ("@ demonstrated excellent problem-solving skills in the culminating task, designing a model, testing it against real data and explaining # conclusions clearly", "Q3567(^"),
        ("@ needs to strengthen # understanding of algebraic manipulation, particularly expanding, factoring and solving equations, as these skills underpin every unit of the next course", "Q2367&"),
        ("@ is encouraged to attend extra help sessions to strengthen # understanding", "Q123456789&"),
    ]),
    (1200, "Science", [
        ("@ has learned about the sustainability of ecosystems and the effects of human activity", "T1234!"),
        ("@ can explain the properties of elements and compounds using the periodic table", "T123!"),
        ("@ has learned about chemical reactions, balancing equations and predicting products", "T23567!"),
        ("@ investigated the properties of light and the formation of images by mirrors and lenses", "T23!"),
        ("@ has learned about climate change, its causes and its consequences", "T234!"),
        ("@ has learned about the organization of cells, tissues and organ systems", "T23!"),
        ("@ has learned about motion, forces and energy in physical systems", "T678!"),
        ("@ has learned about genetic processes and evolution", "T67!"),
        ("\"@ follows safety procedures carefully, and handles laboratory equipment with care.\"", "T123456789^"),
        ("% lab reports are thorough, well organized and clearly written", "T3567(^"),
        ("$ asks excellent questions that show genuine curiosity about the natural world", "T123456789^+"),
        ("@ should include all required sections in lab reports, especially analysis and conclusion", "T23567&"),
        ("@ needs to review scientific vocabulary regularly", "T1234&"),
        ("@ is encouraged to relate new concepts to everyday examples", "T123458&"),
        ("@ designed and carried out a fair test, controlling variables and recording data accurately", "T23(!"),
        ("@ made careful observations during the dissection and recorded them with detailed diagrams", "T67(^"),
        ("@ should take more care when graphing data, labelling axes, and choosing appropriate scales", "T12345678&"),
        ("\"@ completed an independent research project on renewable energy, and presented it to the class.\"", "T234(!"),
        ("@ demonstrated a strong ability to solve quantitative problems in physics", "T6(^"),
        ("@ has learned about the structure of the atom, the mole concept and stoichiometry", "T67!"),
        ("@ analysed experimental error thoughtfully and suggested improvements to the procedure", "T67(^"),
        ("@ needs to complete the assigned readings and questions to prepare for unit tests", "T123456789&"),
        ("@ showed an impressive understanding of the electricity unit, building and analysing series and parallel circuits, and explaining the results with clear, accurate diagrams", "T23(^!"),
        ("@ is encouraged to spend more time studying diagrams and terminology, to practise explaining processes in # own words, and to use the review questions at the end of each chapter", "T123567&"),
        ("@ is encouraged to attend extra help sessions to strengthen # understanding", "T123456789&"),
    ]),
    (1300, "History and Geography", [
        ("@ has learned about Canada's participation in the two world wars and their effects at home", "G23!"),
        ("@ can analyse primary and secondary sources to form historical arguments", "G3567!"),
        ("@ has learned how social, economic and political changes shaped Canada since 1914", "G23!"),
        ("@ has learned about the history of First Nations, Métis and Inuit peoples in Canada", "G235!"),
        ("\"% essay on the Great Depression was well researched, balanced, and clearly argued.\"", "G3(^"),
        ("@ should use historical evidence to support # conclusions", "G23567&"),
        ("@ is encouraged to review the timeline of key events and their significance", "G1234&"),
        ("@ participated enthusiastically in the debate on the causes of the First World War", "G367(^"),
        ("@ has learned about global population patterns and their effects on communities", "H123!"),
        ("@ can interpret and create maps, graphs and other geographic representations", "H1234!"),
        ("@ has learned about natural resources, sustainability and land use in Canada", "H1234!"),
        ("@ completed a field study of the local watershed, collecting and analysing data", "H123(!"),
        ("\"@ uses geographic technologies, including GIS, with skill and confidence.\"", "H3567^"),
        ("@ should label maps completely and include a title, legend and scale", "H1234&"),
        ("@ needs to explain geographic patterns rather than simply describe them", "H23567&"),
        ("% case study of urban growth showed a thorough understanding of the issues", "H3567(^"),
        ("@ has learned to analyse the causes and consequences of world events of the twentieth century", "G67!"),
        ("$ brings a thoughtful, informed perspective to discussions of current events", "GHV123567^"),
        ("@ demonstrated excellent inquiry skills in the independent study, formulating a strong research question, consulting a range of sources and presenting well-supported conclusions", "GH3567(^"),
    ]),
    (1400, "French and Languages", [
        ("@ has learned to communicate in French about familiar topics", "M1234!"),
        ("@ speaks French with growing confidence and accuracy", "M123567^"),
        ("@ reads short French texts and identifies the main ideas", "M1234!"),
        ("\"@ writes paragraphs in French, using a range of verb tenses, and appropriate vocabulary.\"", "M35!"),
        ("@ is encouraged to speak French in class as often as possible", "M123456789&"),
        ("@ should review verb conjugations regularly", "M12345&"),
        ("@ should read French texts outside of class to build vocabulary", "M35679&"),
        ("% oral presentation in French was fluent and well prepared", "M35(^"),
        ("@ has learned to communicate in Spanish about daily routines, food and travel", "I15!"),
        ("@ is building a strong foundation in Mandarin, including pronunciation and characters", "I15^"),
        ("@ should practise vocabulary daily, using flash cards or an online tool", "I159&"),
        ("% role play, ordering a meal in Spanish, was lively and accurate", "I15(^"),
        ("@ has learned greetings, kinship terms and everyday expressions in Ojibwe", "R15!"),
        ("@ speaks Ojibwe with respect for its sounds and traditions", "R15^"),
        ("@ is encouraged to practise speaking Ojibwe with family and community members", "R15&"),
        ("@ has learned to use Cree in short conversations about family and community", "R5!"),
    ]),
    (1500, "The Arts", [
        ("@ has learned to create and perform dance sequences that express an idea or feeling", "A15!"),
        ("@ moves with control, energy and expression in performance", "A15^"),
        ("@ should practise choreography outside of class to build confidence", "A15&"),
        ("@ has learned to develop characters through voice, movement and improvisation", "B15!"),
        ("\"@ takes creative risks in drama, and supports fellow actors generously.\"", "B15^"),
        ("@ should memorize lines earlier to allow more time for rehearsal", "B15&"),
        ("% performance in the collective creation was committed and memorable", "B15(^"),
        ("@ has learned to read and perform music with attention to rhythm, pitch and dynamics", "C15!"),
        ("@ plays with good tone and contributes well to the ensemble", "C15^"),
        ("@ should practise regularly at home to develop technical skills", "C15&"),
        ("@ performed a solo piece at the winter concert with poise", "C15(^"),
        ("@ has learned to plan, produce and edit short videos and digital media works", "D15!"),
        ("% short film showed strong storytelling and thoughtful editing", "D15(^"),
        ("@ has learned the elements and principles of design in drawing, painting and sculpture", "E15!"),
        ("@ uses colour and composition with confidence and originality", "E15^"),
        ("\"@ should include more planning sketches, and written reflection, in # sketchbook.\"", "E15&"),
        ("% final art piece demonstrated excellent technique and a strong personal style", "E15(^"),
        ("@ is encouraged to take more creative risks in # art work", "ABCDE15&"),
        ("@ critiques works of art thoughtfully, using appropriate vocabulary", "ABCDE15^"),
    ]),
    (1600, "Business and Computer Studies", [
        ("@ has learned about the functions of business, marketing and entrepreneurship", "F15!"),
        ("@ has learned the basic accounting cycle, including journals, ledgers and financial statements", "F57!"),
        ("\"% business plan was detailed, realistic, and professionally presented.\"", "F157(^"),
        ("@ should review accounting procedures to reduce errors in # statements", "F57&"),
        ("@ uses word processing, spreadsheet and presentation software effectively", "FJ15^"),
        ("@ has learned to write programs using variables, selection and loops", "J156!"),
        ("@ has learned to design algorithms and test programs systematically", "J567!"),
        ("@ writes clear, well-commented code that others can easily follow", "J1567^"),
        ("$ debugs programs patiently and methodically", "J1567^?"),
        ("@ should test programs with a wider range of inputs before submitting them", "J1567&"),
        ("@ is encouraged to plan programs on paper before writing code", "J15&"),
        ("% final programming project, a small game, was creative and well structured", "J156(^"),
        ("@ has learned about the ethical and social issues raised by computing", "J567!"),
    ]),
    (1700, "Health, Family Studies, Guidance and Co-op", [
        ("@ participates fully and enthusiastically in physical activities", "P15^"),
        ("@ has learned to apply movement skills and tactics in a variety of games", "P15!"),
        ("@ has learned about healthy eating, mental health and making safe choices", "P15!"),
        ("\"@ demonstrates excellent sportsmanship, and encourages classmates of all abilities.\"", "P15^:"),
        ("@ needs to change for class consistently in order to participate fully", "P15&"),
        ("@ should set personal fitness goals and track progress toward them", "P15&?"),
        ("% fitness log shows steady improvement in endurance and strength", "P15(^"),
        ("@ has learned about nutrition, food preparation and food safety", "U15!"),
        ("@ has learned about human development across the lifespan", "U57!"),
        ("@ works safely and cooperatively in the food lab", "U15^:"),
        ("@ has learned to explore career options and set educational goals", "N15!"),
        ("@ has created a thoughtful individual pathways plan", "N15(^"),
        ("@ has gained valuable workplace experience at # co-op placement", "O5789!"),
        ("% placement supervisor reports that @ is punctual, courteous and eager to learn", "O5789(^"),
        ("@ should complete # co-op reflection journal entries each week", "O5789&"),
        ("@ has learned to apply health and safety procedures in the workplace", "O59!"),
    ]),
    (1800, "Social Sciences, Humanities and Native Studies", [
        ("@ has learned about the foundations of psychology, sociology and anthropology", "V5678!"),
        ("\"@ thinks critically about social issues, and supports # views with evidence.\"", "V567^"),
        ("@ should use social science research methods more carefully in # inquiry", "V67&"),
        ("@ has learned to examine philosophical questions about knowledge, ethics and reality", "W67!"),
        ("@ constructs clear and logical philosophical arguments", "W67^"),
        ("@ should consider counter-arguments more fully in # philosophical writing", "W67&"),
        ("@ has learned about the beliefs, practices and sacred texts of world religions", "X567!"),
        ("@ discusses religious traditions with respect and understanding", "X567^"),
        ("% research on a religious festival was well organized and respectful", "X567(^"),
        ("@ has learned about the identity, cultures and contributions of Indigenous peoples", "S123!"),
        ("@ has learned about treaties and the relationship between Indigenous peoples and Canada", "S5678!"),
        ("@ is encouraged to explore Indigenous perspectives through additional reading", "S15&"),
        ("@ shared a thoughtful reflection after the visit from a community Elder", "S15(^"),
    ]),
    (1900, "Technological Education", [
        ("@ uses tools and equipment safely and follows all shop procedures", "Y15^"),
        ("@ has learned to apply the design process to solve technological problems", "Y\\15!"),
        ("@ has learned to plan, shoot and edit video and audio productions", "Z15!"),
        ("% photography portfolio demonstrated a strong eye for composition", "Z15(^"),
        ("@ has learned to assemble, configure and troubleshoot computer hardware", "<15!"),
        ("@ should document each troubleshooting step in # log", "<15&"),
        ("@ has learned to read construction drawings and build small wood-frame structures", ">59!"),
        ("\"@ measures, cuts, and assembles materials with precision.\"", ">]59^"),
        ("@ has learned basic hair care, styling and salon safety procedures", "{59!"),
        ("@ works with clients courteously and professionally in the salon", "{59^"),
        ("@ has learned about anatomy, physiology and careers in health care", "}78!"),
        ("@ should review medical terminology regularly", "}78&"),
        ("@ has learned about food production, customer service and the tourism industry", "[59!"),
        ("@ prepares food safely and presents dishes attractively", "[59^"),
        ("@ has learned to operate machine tools and produce parts to the drawing's measurements", "]59!"),
        ("@ should check measurements twice before machining", "]59&"),
        ("@ has learned to create technical drawings using computer-aided design software", "\\15!"),
        ("% design portfolio showed creative solutions and careful documentation", "\\15(^"),
        ("@ has learned to inspect and maintain vehicle systems, including brakes and tires", "/59!"),
        ("@ is encouraged to keep a clean, organized work area in the shop", "Y/>]59&="),
        ("@ completed a challenging capstone project in the shop, working safely, solving problems as they arose, and producing a finished piece of professional quality", "Y>]/59(^"),
    ]),
    (2000, "ESL and ELD", [
        ("@ has made excellent progress in learning English this term", "L12345^"),
        ("@ has learned to use English to communicate in a variety of classroom situations", "L1245!"),
        ("@ is building vocabulary and confidence in speaking English", "L124^"),
        ("\"@ reads adapted texts with increasing understanding, and uses a bilingual dictionary well.\"", "L124!"),
        ("@ is encouraged to speak English in class and with classmates as often as possible", "L12345&"),
        ("@ should keep a personal vocabulary notebook and review it daily", "L124&"),
        ("@ has developed # literacy skills and is now writing complete paragraphs", "L124(^"),
        ("Your ~ is encouraged to read in both English and # first language at home", "L12345&"),
        ("$ helps new students feel welcome and supported", "L12345^:"),
        ("@ has learned about life in Canada, including community services and Canadian customs", "L15!"),
    ]),
]

# ---------------------------------------------------------------------------
# Helpers
# ---------------------------------------------------------------------------

import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))


def write_lines(name, lines):
    """Write lines as Windows-1252 text with CR LF after every line."""
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def read_lines(name):
    with open(os.path.join(HERE, name), "rb") as f:
        data = f.read()
    assert data.endswith(b"\r\n"), name + ": last line must end with CR LF"
    assert b"\n" not in data.replace(b"\r\n", b""), name + ": bare LF found"
    assert b"\r" not in data.replace(b"\r\n", b""), name + ": bare CR found"
    return data.decode("cp1252").split("\r\n")[:-1]


def byte_key(s):
    return s.encode("cp1252")


def next_csv_field(line):
    """First comma field of line; quoted fields lose their quotes (no escaping)."""
    if line.startswith('"'):
        end = line.find('"', 1)
        assert end >= 0, "unterminated quoted field"
        return line[1:end], line[end + 2:]
    pos = line.find(",")
    if pos < 0:
        return line, ""
    return line[:pos], line[pos + 1:]


# ---------------------------------------------------------------------------
# 1. Phrase library
# ---------------------------------------------------------------------------

def build_library():
    lines = ["Code,Comment,Categories"]
    phrases = {}          # code -> (text, markers)
    order = []
    for first, heading, items in SECTIONS:
        # Section heading: ends in "#", so the loader skips it.
        lines.append("%04d,%s #" % (first, heading))
        for i, (text, markers) in enumerate(items, start=1):
            code = "%04d" % (first + i)
            assert first + i < first + 100, heading + ": too many phrases"
            assert "," not in markers and "#" not in markers and markers
            lines.append("%s,%s,%s" % (code, text, markers))
            phrases[code] = (text, markers)
            order.append(code)
    return lines, phrases, order


def tidy_sentence(text):
    t = text.strip(" ")
    if t.startswith('"'):
        t = t[1:]
    if t.endswith('"'):
        t = t[:-1]
    if t.endswith("."):
        t = t[:-1]
    return t + ". "


def expand(text, first, male, use_name):
    pro = {"@": ("he", "she"), "%": ("his", "her"), "#": ("his", "her"),
           "*": ("him", "her"), "~": ("son", "daughter")}
    out = ""
    used = False
    for ch in text:
        if ch == "$" or (use_name and ch == "@"):
            out += first
            used = True
        elif use_name and ch == "%":
            out += first + "'s"
            used = True
        elif ch in pro:
            word = pro[ch][0] if male else pro[ch][1]
            out += word.capitalize() if out == "" else word
        else:
            out += ch
    return out, used


def compose(phrases, codes, first, gender):
    use_name = True
    total = ""
    for code in codes:
        if code in ("", "    ") or code not in phrases:
            continue
        text, used = expand(tidy_sentence(phrases[code][0]), first, gender == "M", use_name)
        if used:
            use_name = False
        total += text
    return total


# ---------------------------------------------------------------------------
# 2. Master file
# ---------------------------------------------------------------------------

LAST_NAMES = [
    "Abbott", "Adeyemi", "Ahmed", "Ali", "Anderson", "Arsenault", "Bailey", "Banerjee",
    "Bélanger", "Bennett", "Bianchi", "Bouchard", "Boateng", "Brown", "Campbell", "Chan",
    "Chen", "Chowdhury", "Clarke", "Costa", "Côté", "D'Souza", "Das", "de Souza",
    "Delgado", "Dubois", "Edwards", "Esposito", "Fernandes", "Fischer", "Fraser", "Gagné",
    "Gill", "Gonçalves", "Gordon", "Grewal", "Haddad", "Hamilton", "Hassan", "Henry",
    "Ibrahim", "Iqbal", "Jackson", "Jones", "Joseph", "Kaur", "Khan", "Kim",
    "Kowalski", "Kumar", "Lam", "Leblanc", "Lee", "Lévesque", "Li", "Lopez",
    "MacDonald", "Mahmoud", "Martin", "Mendes", "Mensah", "Mitchell", "Morrison", "Müller",
    "Muñoz", "Nakamura", "Nguyen", "Nowak", "O'Brien", "Okafor", "Olsen", "Osei",
    "Park", "Patel", "Peña", "Perera", "Petrov", "Phillips", "Popescu", "Quinn",
    "Rahman", "Ramos", "Reid", "Roberts", "Rossi", "Roy", "Saleh", "Santos",
    "Schmidt", "Scott", "Sharma", "Silva", "Singh", "Sokolov", "Stewart", "Sullivan",
    "Tan", "Taylor", "Thompson", "Tremblay", "Tran", "van der Berg", "Vasquez", "Wang",
    "White", "Williams", "Wilson", "Wong", "Wright", "Yamamoto", "Yilmaz", "Young",
    "Zhang", "Zhou", "Zielinski", "Ødegaard",
]

FIRST_M = [
    "Aarav", "Adam", "Ahmad", "Aidan", "Alejandro", "Ali", "Amir", "Andrei", "Arjun",
    "Benjamin", "Björn", "Caleb", "Carlos", "Chidi", "Daniel", "Darius", "David",
    "Diego", "Dylan", "Elijah", "Emeka", "Ethan", "Felix", "François", "Gabriel",
    "Hamza", "Hiroshi", "Ibrahim", "Isaac", "Jacob", "Jamal", "Jérôme", "Jin",
    "Jonah", "José", "Joshua", "Kai", "Kareem", "Kwame", "Liam", "Loïc", "Lucas",
    "Mateo", "Matthew", "Mohammed", "Nathan", "Nikhil", "Noah", "Omar", "Owen",
    "Rahul", "Ravi", "Ryan", "Samuel", "Santiago", "Sebastian", "Tariq", "Thomas",
    "Tyler", "Wei", "Yusuf", "Zain",
]

FIRST_F = [
    "Aaliyah", "Abigail", "Adaeze", "Aisha", "Amara", "Amelia", "Amira", "Ana",
    "Anika", "Ava", "Chloé", "Chloe", "Daniela", "Emily", "Emma", "Esther", "Fatima",
    "Grace", "Hana", "Hannah", "Hélène", "Inès", "Isabella", "Jasmine", "Jia",
    "Kavya", "Keisha", "Layla", "Leah", "Lily", "Maya", "Mei", "Mia", "Nadia",
    "Noémie", "Nora", "Olivia", "Priya", "Renée", "Rosa", "Sara", "Sofia",
    "Sophie", "Tanvi", "Thérèse", "Valentina", "Yasmin", "Yuki", "Zara", "Zoë",
]

# Course families per grade: compulsory (academic, applied) pairs, then electives.
GRADES = {
    9: dict(n=84, academic=0.75,
            core=[("ENG1D1", "ENG1P1"), ("MPM1D1", "MFM1P1"), ("SNC1D1", "SNC1P1"),
                  ("CGC1D1", "CGC1P1"), ("FSF1D1", "FSF1D1"), ("PPL1O1", "PPL1O1")],
            electives=["AVI1O1", "AMU1O1", "BTT1O1", "TIJ1O1", "ADA1O1"], pick=2),
    10: dict(n=101, academic=0.76,
             core=[("ENG2D1", "ENG2P1"), ("MPM2D1", "MFM2P1"), ("SNC2D1", "SNC2P1"),
                   ("CHC2D1", "CHC2P1"), ("CHV2O1", "CHV2O1"), ("GLC2O1", "GLC2O1"),
                   ("PPL2O1", "PPL2O1")],
             electives=["ICS2O1", "ASM2O1", "TGJ2O1", "FSF2D1"], pick=1),
    11: dict(n=80, academic=0.7,
             core=[("ENG3U1", "ENG3C1"), ("MCR3U1", "MBF3C1")],
             electives=["SBI3U1", "SCH3U1", "CHW3M1", "HSP3U1", "BAF3M1", "ICS3U1",
                        "TEJ3M1", "TFJ3C1", "LWSBD1", "HRT3M1"], pick=4),
    12: dict(n=76, academic=0.7,
             core=[("ENG4U1", "ENG4C1")],
             electives=["MHF4U1", "MCV4U1", "MDM4U1", "SPH4U1", "SCH4U1", "CHY4U1",
                        "HZT4U1", "TCJ4C1", "TMJ4M1", "TTJ4C1", "PPL4O1", "NBE3U1"], pick=4),
}
ENG2D1_01_SIZE = 28
BIG_CLASS = "PPL2O1"
BIG_CLASS_SIZE = 40
HOMEROOMS = "ABCD"


def split_sections(family, members, rng):
    """Split the members of a course family into sections: code -> list of student ids."""
    members = list(members)
    rng.shuffle(members)
    n = len(members)
    first = None
    if family == "ENG2D1":
        first = ENG2D1_01_SIZE
    elif family == BIG_CLASS:
        first = BIG_CLASS_SIZE
    sections = []
    if first is not None:
        sections.append(members[:first])
        rest = members[first:]
    else:
        rest = members
    if rest:
        k = max(1, round(len(rest) / 29))
        while len(rest) / k > 35:
            k += 1
        for s in range(k):
            sections.append(rest[s::k])
    return {"%s-%02d" % (family, i + 1): sec for i, sec in enumerate(sections)}


def build_master():
    rng = random.Random(20240917)
    students = []      # dicts
    used_numbers = set()
    used_names = set()
    sid = 0
    for grade, g in GRADES.items():
        for k in range(g["n"]):
            while True:
                male = rng.random() < 0.5
                first = rng.choice(FIRST_M if male else FIRST_F)
                last = rng.choice(LAST_NAMES)
                if (last, first) not in used_names:
                    break
            used_names.add((last, first))
            while True:
                num = "%09d" % rng.randint(310000000, 349999999)
                if num not in used_numbers:
                    break
            used_numbers.add(num)
            students.append(dict(id=sid, last=last, first=first, gender="M" if male else "F",
                                 number=num, grade=grade,
                                 academic=rng.random() < g["academic"],
                                 homeroom="%d%s" % (grade, rng.choice(HOMEROOMS)),
                                 birth="%d-%02d-%02d" % (2024 - grade - 5, rng.randint(1, 12), rng.randint(1, 28)),
                                 families=[], codes=[]))
            sid += 1
    # One last name with a comma (written in double quotes in the master file).
    students[sid - 5]["last"] = "Smith, Jr."
    students[sid - 5]["first"] = "Robert"
    students[sid - 5]["gender"] = "M"

    # Families per student.
    for grade, g in GRADES.items():
        group = [s for s in students if s["grade"] == grade]
        for s in group:
            for acad, appl in g["core"]:
                s["families"].append(acad if s["academic"] else appl)
        # Electives: balanced so that every elective keeps a sensible size.
        counts = {e: 0 for e in g["electives"]}
        for s in group:
            choices = sorted(g["electives"], key=lambda e: (counts[e] + rng.random() * 6))
            for e in choices[:g["pick"]]:
                s["families"].append(e)
                counts[e] += 1

    # Sections.
    families = {}
    for s in students:
        for fam in s["families"]:
            families.setdefault(fam, []).append(s["id"])
    classes = {}
    for fam in sorted(families):
        for code, members in split_sections(fam, families[fam], rng).items():
            classes[code] = members
            for m in members:
                students[m]["codes"].append(code)

    # Overlaps: students in two sections of the same course family.
    def add_overlap(src, dst, count):
        picked = [m for m in classes[src] if "," not in students[m]["last"]][:count]
        for m in picked:
            classes[dst].append(m)
            students[m]["codes"].append(dst)
        return picked
    overlaps = {}
    overlaps[("ENG2D1-01", "ENG2D1-02")] = add_overlap("ENG2D1-01", "ENG2D1-02", 2)
    overlaps[("MPM2D1-01", "MPM2D1-02")] = add_overlap("MPM2D1-01", "MPM2D1-02", 1)

    # Codes that are not classes, and the lower-case SHSM cohort code that is.
    for s in students:
        s["codes"].append("LUNCH1" if s["grade"] in (9, 10) else "LUNCH2")
        r = rng.random()
        if s["grade"] >= 11 and r < 0.25:
            s["codes"].append(rng.choice(["SH1A", "SH1B"]))
        if rng.random() < 0.15:
            s["codes"].append(rng.choice(["ZSTUDY", "ZGYM", "ZLIB"]))
    shsm = [s for s in students if s["grade"] >= 11][:200]
    rng.shuffle(shsm)
    classes["sh1x"] = []
    for s in shsm[:22]:
        s["codes"].append("sh1x")
        classes["sh1x"].append(s["id"])

    for s in students:
        rng.shuffle(s["codes"])

    header = ("Last Name,First Name,Gender,Student Number,Birth Date,Grade,Status,"
              "Homeroom,Counsellor,Entry Date,Photo Consent,Locker,Bus Route,Board,Class Codes")
    lines = [header]
    counsellors = ["ABR", "MTH", "KLN", "PSG"]
    for s in students:
        last = '"%s"' % s["last"] if "," in s["last"] else s["last"]
        fields = [last, s["first"], s["gender"], s["number"], s["birth"], str(s["grade"]), "A",
                  s["homeroom"], counsellors[s["id"] % 4], "%d-09-0%d" % (2024 - (s["grade"] - 9), 3 + s["id"] % 5),
                  "Y" if s["id"] % 7 else "N", "L%03d" % (100 + s["id"]),
                  "" if s["id"] % 3 else "R%d" % (s["id"] % 12 + 1), "B12",
                  " ".join(s["codes"])]
        lines.append(",".join(fields))
    return lines, students, classes, overlaps


# ---------------------------------------------------------------------------
# 3. Favourites file
# ---------------------------------------------------------------------------

FAV_RANGES = [
    (80, 100, ["0704", "0112", "0206"], "4"),
    (70, 79, ["0705", "0103", "0701"], "3"),
    (60, 69, ["0706", "0713", "0601"], "3"),
    (50, 59, ["0706", "0719", "0714"], "2"),
    (40, 49, ["0707", "0708", "0715"], "1"),
    (20, 39, ["0707", "0710", ""], "1"),
    (0, 19, ["", "", ""], "1"),
]

FAV_GROUPS = [
    ["0701", "0702", "0704", "0705", "0706", "0707", "0717", "0719"],
    ["1001", "1004", "1005", "1009", "1011", "1012", "1013", "1016", "1021", "1022"],
    ["0101", "0108", "0201", "0207", "0302", "0306", "0401", "0408"],
    ["0501", "0508", "0601", "0608", "0609"],
    ["0713", "0714", "0715", "0726", "0729", "0730", "0731"],
]


def build_favourites():
    lines = [" %d " % len(FAV_RANGES)]
    for low, high, codes, skill in FAV_RANGES:
        lines.append(",".join([str(low), str(high)] + codes + [skill] * 6))
    for i, group in enumerate(FAV_GROUPS):
        if i:
            lines.append("    ")
        lines.extend(group)
    return lines


# ---------------------------------------------------------------------------
# 4. Class file ENG2D1-01
# ---------------------------------------------------------------------------

CLASS_CODE = "ENG2D1-01"
LETTER = {"1": "N", "2": "S", "3": "G", "4": "E", "": "0", "Y": "1"}

FREE_FORM = [
    "{first} has worked hard this term, and {his} persuasive essay was thoughtful, well organized "
    "and clear. Next term, {he} should read more widely; revising each draft carefully will pay off!",
    "{first} shows real talent as a writer: {his} short story was vivid, funny and moving. "
    "{He} is encouraged to keep a journal, and to share {his} ideas in class discussions.",
]

LONG_COMMENT = ["1027", "0721", "0412", "1022", "0604"]


def build_class(students, classes, phrases):
    rng = random.Random(4471)
    members = [students[m] for m in classes[CLASS_CODE]]
    for s in members:
        assert "," not in s["last"] and "," not in s["first"], "comma in a class-file name"
    members.sort(key=lambda s: (byte_key(s["last"]), byte_key(s["first"])))

    learned = ["1001", "1003", "1008", "1009", "1017", "1018", "1020"]
    strength = ["1004", "1005", "1006", "1010", "1016", "1021", "0703", "0708"]
    nexts = ["1011", "1012", "1013", "1014", "1015", "1022", "1025", "0713", "0714"]
    skills_ph = ["0101", "0103", "0201", "0207", "0302", "0306", "0401", "0408", "0501",
                 "0508", "0601", "0608", "0104", "0205", "0406", "0506"]

    rows = []
    notes = {}
    n = len(members)
    plain = [i for i, s in enumerate(members) if all(ord(ch) < 128 for ch in s["first"] + s["last"])]
    long_i, free_i = plain[2], (plain[8], plain[15])
    nomark_i, nocomment_i, noskill_i = 12, 20, n - 2
    for i, s in enumerate(members):
        mark = str(max(38, min(98, int(rng.gauss(76, 11)))))
        level = "4" if int(mark) >= 80 else "3" if int(mark) >= 70 else "2" if int(mark) >= 60 else "1"
        sk = [level] * 6
        for j in range(6):
            if rng.random() < 0.35:
                sk[j] = str(max(1, min(4, int(level) + rng.choice([-1, 1]))))
        codes = [rng.choice(learned), rng.choice(strength), rng.choice(nexts)]
        if rng.random() < 0.6:
            codes.append(rng.choice(skills_ph))
        codes += [""] * (5 - len(codes))
        iep = "Y" if i in (5, 14) else ""
        esl = "Y" if i in (7,) else ""
        eld = "Y" if i in (23,) else ""
        interview = "Y" if i in (6, 14, nomark_i) else ""
        free, ff = False, ""
        if i == long_i:
            codes = list(LONG_COMMENT)
            mark = "88"
            sk = ["4", "4", "4", "3", "4", "4"]
            notes["long"] = s
        if i in free_i:
            k = free_i.index(i)
            male = s["gender"] == "M"
            ff = FREE_FORM[k].format(first=s["first"], his="his" if male else "her",
                                     he="he" if male else "she", He="He" if male else "She")
            free = True
            notes.setdefault("free", []).append(s)
        if i == nomark_i:
            mark = ""
            notes["nomark"] = s
        if i == nocomment_i:
            codes = [""] * 5
            notes["nocomment"] = s
        if i == noskill_i:
            sk[2] = ""
            sk[4] = ""
            notes["noskill"] = s
        fields = [CLASS_CODE, s["last"], s["first"], s["number"], s["gender"], s["homeroom"],
                  LETTER[iep], esl, eld, mark, "", ""] + [LETTER[v] for v in sk] + [""] + codes + \
                 [interview, "True" if free else "False", ff]
        assert len(fields) == 27
        rows.append(",".join(fields))
        if i not in (long_i,) and not free:
            text = compose(phrases, codes, s["first"], s["gender"])
            assert len(text) <= 460, (s["first"], len(text))
    long_text = compose(phrases, LONG_COMMENT, notes["long"]["first"], notes["long"]["gender"])
    notes["long_len"] = len(long_text)
    assert len(long_text) > 460, len(long_text)
    return rows, members, notes


# ---------------------------------------------------------------------------
# Checks
# ---------------------------------------------------------------------------

ALL_MARKERS = list("123456789!^&()=+:-?") + [chr(c) for c in range(ord("A"), ord("Z") + 1)] + \
    list("<>{}[]\\/")


def check_all():
    # Phrase library.
    lib = read_lines("TQPhraseLibrary.csv")
    lib_codes = {}
    prev = None
    skipped = 0
    for line in lib[1:]:
        assert "," in line, "library line without comma: " + line
        assert line.strip(" ") != ""
        assert not line.startswith('"')
        code = line.split(",", 1)[0]
        assert len(code) == 4 and code.isdigit(), code
        assert prev is None or byte_key(code) > byte_key(prev), "codes not ascending at " + code
        prev = code
        if line.strip(" ").endswith("#"):
            skipped += 1
            assert line.split(",", 1)[1].endswith(" #")
            continue
        rest = line.split(",", 1)[1]
        assert "," in rest, "no category field: " + line
        text, cats = rest.rsplit(",", 1)
        assert cats and cats == cats.strip(), line
        assert code not in lib_codes
        lib_codes[code] = (text, cats)
        if text.startswith('"'):
            assert text.endswith('."'), line
    assert 300 <= len(lib_codes) <= 400, len(lib_codes)
    assert skipped >= 3
    for m in ALL_MARKERS:
        assert any(m in c for _, c in lib_codes.values()), "no phrase carries marker " + m
    for ph in "@%$#*~":
        assert sum(ph in t for t, _ in lib_codes.values()) >= 3, "placeholder rarely used: " + ph
    assert any("," in t and not t.startswith('"') for t, _ in lib_codes.values())
    assert any("," in t and t.startswith('"') for t, _ in lib_codes.values())

    # Master file.
    master = read_lines("TQStudentInfo.txt")
    assert 300 <= len(master) - 1 <= 400
    codes = set()
    for line in master[1:]:
        rest = line
        fields = []
        for _ in range(14):
            f, rest = next_csv_field(rest)
            fields.append(f)
        f15, rest = next_csv_field(rest)
        assert rest == "" and f15.strip(), line
        assert fields[2] in ("M", "F") and len(fields[3]) == 9 and fields[3].isdigit()
        codes.update(f15.split())
    real = {c for c in codes if not (c.startswith("LUNCH") or c.startswith("SH1") or c.startswith("Z"))}
    assert len(real) >= 40, len(real)
    assert "sh1x" in real and {"LUNCH1", "SH1A", "ZSTUDY"} <= codes
    for a in real:
        for b in codes:
            assert a == b or a not in b, "class code %s is part of %s" % (a, b)

    # Favourites.
    fav = read_lines("Sample.tqf")
    assert fav[0] == " 7 "
    nr = int(fav[0])
    for line in fav[1:1 + nr]:
        f = line.split(",")
        assert len(f) == 11
        for c in f[2:5]:
            assert c == "" or c in lib_codes, c
    for e in fav[1 + nr:]:
        assert e == "    " or e in lib_codes, repr(e)

    # Class file.
    cls = read_lines("ENG2D101.tqc")
    prev = None
    for line in cls:
        f = line.split(",", 26)
        assert len(f) == 27, line
        assert f[0] == CLASS_CODE
        for c in f[19:24]:
            assert c == "" or c in lib_codes, c
        for v in f[12:18]:
            assert v in ("N", "S", "G", "E", "0")
        assert f[6] in ("1", "0") and f[25] in ("True", "False")
        allowed = set("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,;:!' ")
        assert set(f[26]) <= allowed, f[26]
        key = (byte_key(f[1]), byte_key(f[2]))
        assert prev is None or prev <= key
        prev = key
    return lib_codes, master, fav, cls


def main():
    lib_lines, phrases, order = build_library()
    write_lines("TQPhraseLibrary.csv", lib_lines)
    master_lines, students, classes, overlaps = build_master()
    write_lines("TQStudentInfo.txt", master_lines)
    write_lines("Sample.tqf", build_favourites())
    rows, members, notes = build_class(students, classes, phrases)
    write_lines("ENG2D101.tqc", rows)
    check_all()

    # Summary for the maintainer.
    print("phrases:", len(phrases), " students:", len(students), " classes:", len(classes))
    sizes = {c: len(m) for c, m in classes.items()}
    print("class sizes:", " ".join("%s=%d" % (c, sizes[c]) for c in sorted(sizes)))
    odd = {c: n for c, n in sizes.items() if not 20 <= n <= 35}
    print("sizes outside 20-35:", odd)
    for (a, b), ids in overlaps.items():
        print("in %s and %s:" % (a, b), ", ".join("%s %s" % (students[i]["first"], students[i]["last"]) for i in ids))
    acc = sorted({"%s %s" % (s["first"], s["last"]) for s in students
                  if any(ord(ch) > 127 for ch in s["first"] + s["last"])})
    print("accented names:", len(acc))
    print("accented in %s:" % CLASS_CODE, ", ".join("%s %s" % (s["first"], s["last"]) for s in members
                                                     if any(ord(ch) > 127 for ch in s["first"] + s["last"])))
    print("long comment:", notes["long"]["first"], notes["long"]["last"], notes["long_len"], "chars")
    print("free-form:", ", ".join("%s %s" % (s["first"], s["last"]) for s in notes["free"]))
    for k in ("nomark", "nocomment", "noskill"):
        print(k + ":", notes[k]["first"], notes[k]["last"])


if __name__ == "__main__":
    main()
