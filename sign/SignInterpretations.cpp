#include "sign/SignInterpretations.h"

#include "sign/SignTable.h"

#include <QtGlobal>

#include <iterator>

const char *signInterpretation(int index)
{
    // The result window shows an interpretation in a fixed box of nine lines; the report has room
    // for any length.
    static const char *const texts[] = {
            //: Tzootz, the bat. At most nine lines in the result window.
            QT_TRANSLATE_NOOP(
                    "SignTable",
                    "The bat is the first moon sign of the Mayan calendar, and those who carry it "
                    "share the bat's gift for finding their way where others see only darkness. "
                    "You sense what is going on around you before anyone says a word, and you "
                    "trust that inner radar more than any map. To the Maya the bat was a "
                    "messenger between the visible world and the hidden one, so no wonder you are "
                    "drawn to questions most people never ask. You are sociable in small circles, "
                    "loyal to the few you let come close, and happiest when you keep your own "
                    "hours. Your weakness is a tendency to hide when you feel misunderstood. Step "
                    "into the light now and then: the world needs your insight, and your friends "
                    "miss you more than you know."),
            //: Dzec, the scorpion. At most nine lines in the result window.
            QT_TRANSLATE_NOOP(
                    "SignTable",
                    "People born under this sign thrive on challenges. Like the scorpion, you are "
                    "built for harsh places, and a difficult task wakes you up rather than "
                    "wearing you down. You prefer to work quietly and strike at the right moment, "
                    "which is why others often underestimate you until the job is already done. "
                    "The Maya linked the scorpion with the hunt and with sacrifice, and you too "
                    "are willing to give up comfort for a goal you believe in. You are fiercely "
                    "protective of your family and your friends, and your loyalty, once earned, "
                    "does not waver. At the same time you guard your own feelings behind a tough "
                    "shell, and people may find you hard to read. Your sting is sharp when you "
                    "feel betrayed, so learn to pause before you answer an insult. When you let "
                    "people see the warm heart under the armour, you will find that they are far "
                    "more ready to help you than you expected."),
            //: Keh, the deer or stag. At most nine lines in the result window.
            QT_TRANSLATE_NOOP(
                    "SignTable",
                    "The third sign of Mayan moon sign is deer. People born under the deer are "
                    "gentle, graceful and alert, with a natural elegance that others notice the "
                    "moment they enter a room. The Maya saw the stag as a noble animal that was "
                    "also a gift of the forest, and you have that same generous spirit: you give "
                    "your time and attention freely and you hate to see anybody left out. You are "
                    "sensitive to atmosphere and quick to pick up a change of mood, which makes "
                    "you a loyal friend and a careful listener. Your trusting nature can make you "
                    "seem naïve, and now and then someone will take advantage of your kindness. "
                    "You also tend to run from conflict rather than face it. Learn to stand your "
                    "ground when it matters, because your quiet pride and your sense of fairness "
                    "are stronger than you believe, and people respect a deer that does not bolt."),
            //: Moan, the owl. At most nine lines in the result window.
            QT_TRANSLATE_NOOP(
                    "SignTable",
                    "In many cultures, especially in western culture, the owl stands for wisdom, "
                    "and for the Maya it was a night bird that carried messages from the spirit "
                    "world. People born under the owl live partly in that unseen realm. You are "
                    "intuitive, observant and often a little mysterious, and you notice the small "
                    "details that everyone else walks past. Your dreams can be vivid and your "
                    "hunches are frequently correct, so it pays to listen to them. You prefer "
                    "deep conversation to small talk and would rather have one true friend than a "
                    "crowd of acquaintances. Because you think so much, you can slip into worry "
                    "or keep to yourself too long. Share what you see with those you trust: your "
                    "insight is a gift that grows when it is given away."),
            //: Cutz, the peacock. At most nine lines in the result window.
            QT_TRANSLATE_NOOP(
                    "SignTable",
                    "The fifth moon of the Mayan calendar belongs to the peacock, and people born "
                    "under it are hard to overlook. You have a flair for colour and style, and "
                    "you know how to make an entrance. Your charm is genuine rather than put on: "
                    "you enjoy people, you like to entertain them, and you are at your best with "
                    "an audience. The Maya prized the peacock's brilliant feathers as a sign of "
                    "splendour and success, and you too tend to attract attention, opportunities "
                    "and admirers wherever you go. You are ambitious and generous in equal "
                    "measure, and you like to share your good fortune with those around you. The "
                    "shadow side of this sign is pride. You can be hurt by criticism and may "
                    "chase praise a little too eagerly. Remember that your real worth lies in "
                    "your warmth and your confidence, not in your feathers, and the people who "
                    "matter will love you all the more for it."),
            //: Xibkay, the lizard. At most nine lines in the result window.
            QT_TRANSLATE_NOOP(
                    "SignTable",
                    "Due to its ability to change color, the lizard is a symbol of adaptability, "
                    "and people born under this sign fit into almost any company or situation. "
                    "You read a room quickly and adjust your manner without losing sight of who "
                    "you are. The Maya admired the lizard for its patience in the sun and its "
                    "speed when it has to move, and you share that mix of calm and quick "
                    "reaction. You are practical, resourceful and curious, and you rarely panic "
                    "when plans change; in fact you may enjoy it. Your flexibility can, however, "
                    "make you hard to pin down, and others may wonder what you really think. Let "
                    "them see your true colours more often; they are more attractive than any "
                    "disguise."),
            //: Batz, the monkey. At most nine lines in the result window.
            QT_TRANSLATE_NOOP(
                    "SignTable",
                    "'Batz' is the Mayan name for monkey. In Mayan stories the monkey was a "
                    "patron of the arts, of music, writing and craft, and people born under this "
                    "sign carry that creative spark. You are playful, clever and endlessly "
                    "curious, and you can turn a dull afternoon into something memorable. Your "
                    "sense of humour helps you make friends easily, and you have a way of solving "
                    "problems that others find unusual but that usually works. You learn fast and "
                    "love to try new things, although you may lose interest once the novelty "
                    "wears off. Underneath the jokes you are more sensitive than you let on, and "
                    "you care deeply about being accepted. Give your best ideas the time they "
                    "need to grow, and do not be afraid to be serious now and again. Your talent "
                    "is real, and it deserves to be finished as well as started."),
            //: Coz, the hawk. At most nine lines in the result window.
            QT_TRANSLATE_NOOP(
                    "SignTable",
                    "The eighth moon sign of the Mayan calendar is the hawk, a bird that sees the "
                    "whole landscape from high above. People born under it have a sharp, clear "
                    "mind and the ability to spot an opportunity long before others do. You are "
                    "decisive and focused, and once you have set your sights on something you go "
                    "after it with remarkable determination. The Maya linked the hawk with the "
                    "sun and with vision, and you too bring light and direction to those around "
                    "you; people often turn to you for leadership. You value freedom and dislike "
                    "being told what to do, which can make teamwork a real challenge. Your high "
                    "standards may also make you impatient with slower thinkers. Try to share "
                    "your view from above with kindness, and you will find that others are happy "
                    "to follow where you lead."),
            //: Jaguar, whose animal is the Balam. At most nine lines in the result window.
            QT_TRANSLATE_NOOP(
                    "SignTable",
                    "Profoundly revered in Mayan culture, the Jaguar was the animal of kings, "
                    "warriors and priests, a guardian of the night and of the underworld. People "
                    "born under this sign have a natural authority and a quiet power that others "
                    "feel at once. You are strong, confident and self-reliant, and you move "
                    "through life with an easy grace that hides how hard you work. You are "
                    "fiercely protective of your family, your home and your principles, and you "
                    "will not back down when something you care about is threatened. You also "
                    "have a deep spiritual side and may feel drawn to ancient traditions and "
                    "hidden knowledge. Because you are so independent, you can at times seem "
                    "distant or proud. Let the people you love see your softer side, and your "
                    "strength will become a shelter for them rather than a wall."),
            //: Pek, the dog. At most nine lines in the result window.
            QT_TRANSLATE_NOOP(
                    "SignTable",
                    "In Mayan language, Dog is called 'Pek'. The Maya believed that the dog "
                    "guided souls safely through the underworld, and people born under this sign "
                    "are guides and companions in everyday life too. You are loyal, honest and "
                    "dependable, the friend who turns up when you are needed and stays until the "
                    "work is done. You have a strong sense of right and wrong and you speak up "
                    "for anyone who is treated unfairly. You are a tireless worker. Family and "
                    "home matter a great deal to you, and you are happiest when the people you "
                    "love are close by. Your devotion is your great gift, but it can also make "
                    "you possessive or anxious when you feel left out. Remember to look after "
                    "yourself as carefully as you look after everyone else, and trust that the "
                    "love you give so freely will come back to you."),
            //: Kaw, the snake. At most nine lines in the result window.
            QT_TRANSLATE_NOOP(
                    "SignTable",
                    "The snake signifies healing power in Mayan culture. It sheds its skin and is "
                    "renewed, and people born under this sign have the same capacity to heal, to "
                    "change and to begin again. You are perceptive, calm and wise beyond your "
                    "years, and others often come to you for comfort or advice. You have a "
                    "strong, almost physical sense of people's feelings, and you may be drawn to "
                    "medicine, counselling or any work that helps others recover. You tend to "
                    "keep your own troubles hidden, and you can hold on to old hurts longer than "
                    "is good for you. When you are under pressure you may become cold, guarded or "
                    "secretive. Let go of what no longer serves you, just as the snake leaves its "
                    "old skin behind, and you will discover how much fresh energy is still "
                    "waiting for you."),
            //: Tzub, the rabbit. At most nine lines in the result window.
            QT_TRANSLATE_NOOP(
                    "SignTable",
                    "Some of the rabbit-like qualities like restlessness, quickness and a lively "
                    "imagination are clear in people born under this sign. The Maya connected the "
                    "rabbit with the moon and with fertility, and you have a creative, playful "
                    "mind that is always full of new plans. You are friendly, witty and good "
                    "company, and your cheerful mood lifts the spirits of everyone around you. "
                    "Your laughter is quick and infectious. You love games, puzzles and anything "
                    "clever, and you have a knack for finding a smart way out of a tight spot. "
                    "Because you enjoy novelty, you may jump from one project to the next and "
                    "leave some of them unfinished. You can also be shy under the surface and "
                    "uneasy in conflict. Give your ideas a home and the patience they need, and "
                    "you will see that your imagination can build something lasting as well as "
                    "delightful."),
            //: Aak, the turtle or tortoise. At most nine lines in the result window.
            QT_TRANSLATE_NOOP(
                    "SignTable",
                    "The turtle moon is the 13th moon of the Mayan calendar, and for the Maya the "
                    "turtle carried the world on its back. People born under this sign are "
                    "steady, patient and deeply reliable, the calm centre that others gather "
                    "around. You are never in a hurry, but you always arrive in the end, and your "
                    "careful approach means that what you build tends to last. You have a strong "
                    "bond with home and family and a great respect for tradition and for the "
                    "wisdom of older generations. You take your time before you trust someone, "
                    "but once you do, your loyalty is complete. Your caution can make you rather "
                    "stubborn or slow to accept new things, and you may withdraw into your shell "
                    "when life feels too loud. Remember that even a turtle has to poke its head "
                    "out to move forward, and that your quiet strength is exactly what a restless "
                    "world needs."),
    };
    static_assert(std::size(texts) == SignTable::signCount, "one text for every sign");

    Q_ASSERT(index >= 0 && index < SignTable::signCount);
    return texts[index];
}
