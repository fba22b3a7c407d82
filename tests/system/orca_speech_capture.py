# A speech server for the Orca screen reader that speaks nothing and writes down what it is
# asked to say, so that a test can read it back. Orca loads it when its user-settings.conf names
# it as "speechServerFactory" and this folder is on Orca's PYTHONPATH.
#
# Each line of the file named by $ORCA_SPEECH_LOG is one request, a kind and its text separated
# by a tab:
#   speak   an utterance (a name, a role, a value, a message)
#   key     the echo of a pressed key
#   char    a single character, as Orca echoes typing
#   sayall  a piece of a say-all
# Line breaks inside an utterance are written as spaces.

import os

from gi.repository import GLib

from orca import speechserver


def _write(kind, text):
    path = os.environ.get("ORCA_SPEECH_LOG")
    if not path or text is None:
        return
    line = " ".join(str(text).split())
    if not line:
        return
    # Opened per line and flushed on close: the test reads the file while Orca runs.
    with open(path, "a", encoding="utf-8") as log:
        log.write("%s\t%s\n" % (kind, line))


class SpeechServer(speechserver.SpeechServer):
    _instance = None

    @staticmethod
    def getFactoryName():
        return "Speech capture"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer._server()]

    @staticmethod
    def getSpeechServer(info=None):
        return SpeechServer._server()

    @staticmethod
    def shutdownActiveServers():
        SpeechServer._instance = None

    @staticmethod
    def _server():
        if SpeechServer._instance is None:
            SpeechServer._instance = SpeechServer()
        return SpeechServer._instance

    def __init__(self):
        super().__init__()
        # Orca ends on SIGTERM through a Python signal handler, and Python runs one only when it
        # next runs Python code; a quiet Orca waits in GLib's main loop and would never end.
        # A tick now and then lets the test stop Orca the way it asks to be stopped.
        GLib.timeout_add(200, lambda: True)

    def getInfo(self):
        return [self.getFactoryName(), "capture"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        _write("speak", text)

    def speakCharacter(self, character, acss=None):
        _write("char", character)

    def speakKeyEvent(self, event, acss=None):
        _write("key", event.getKeyName())

    def sayAll(self, utteranceIterator, progressCallback):
        GLib.idle_add(self._sayAllNext, utteranceIterator, progressCallback)

    def _sayAllNext(self, iterator, progressCallback):
        # As a real server does: one piece at a time, each reported as spoken before the next,
        # so that Orca moves its caret along the text.
        try:
            context, acss = next(iterator)
        except StopIteration:
            return False
        _write("sayall", context.utterance)
        context.currentOffset = context.endOffset
        context.currentEndOffset = None
        GLib.idle_add(progressCallback, context.copy(), speechserver.SayAllContext.COMPLETED)
        GLib.idle_add(self._sayAllNext, iterator, progressCallback)
        return False

    def stop(self):
        pass

    def shutdown(self):
        SpeechServer._instance = None

    def reset(self, text=None, acss=None):
        pass
